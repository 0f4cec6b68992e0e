#include "support/XlrdReadBack.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

namespace testing_support {
namespace {

const char* const kScript = R"PY(
import json, sys, xlrd
try:
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
    sheets = []
    for sheet in book.sheets():
        rows = []
        for r in range(sheet.nrows):
            row = []
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                xf = book.xf_list[cell.xf_index]
                font = book.font_list[xf.font_index]
                kind = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number"}.get(cell.ctype, "empty")
                row.append({"type": kind, "value": cell.value,
                            "format": book.format_map[xf.format_key].format_str,
                            "bold": bool(font.bold), "points": font.height / 20.0})
            rows.append(row)
        heights = {str(r): info.height / 20.0 for r, info in sheet.rowinfo_map.items()}
        widths = {str(c): info.width for c, info in sheet.colinfo_map.items()}
        sheets.append({"name": sheet.name, "rows": rows, "heights": heights, "widths": widths})
    print(json.dumps({"ok": True, "sheets": sheets}, ensure_ascii=False))
except Exception as e:
    print(json.dumps({"ok": False, "error": repr(e)}))
)PY";

}  // namespace

QString systemPython() {
  return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3") : QStringLiteral("python3");
}

QJsonObject xlrdReadBack(const QString& path) {
  QProcess python;
  python.start(systemPython(), {QStringLiteral("-c"), QString::fromUtf8(kScript), path});
  if (!python.waitForFinished(120000))
    return {{"ok", false}, {"error", QStringLiteral("python3 did not finish: ") + python.errorString()}};
  const QJsonDocument json = QJsonDocument::fromJson(python.readAllStandardOutput());
  if (!json.isObject())
    return {{"ok", false}, {"error", QString::fromUtf8(python.readAllStandardError())}};
  return json.object();
}

}  // namespace testing_support
