// The search keys stored with catalogue rows, templates, phrases, symptoms and patients.
#pragma once

#include "text/StrokeCode.h"

#include <QString>

namespace text {

// [商品].[查询]: stored name, "-", its pinyin initials, "-", its stroke code, "$".
QString CatalogSearchKey(const QString& storedName, const StrokeCoder& strokes);
// The same key from parts given apart: the catalogue's row save takes the initials as the
// user left them and the stroke code of the name without brackets.
QString CatalogSearchKey(const QString& storedName, const QString& initials, const QString& strokeCode);
// [个人模板].[查询]: title, its pinyin initials, its stroke code, "$", no separators.
QString TemplateSearchKey(const QString& title, const StrokeCoder& strokes);
// A text, "-" and its pinyin initials ([诊断].[名称], [档案].[40]).
QString NameInitialsKey(const QString& text);
// [地址].[序号]: the symptom followed directly by its pinyin initials.
QString SymptomKey(const QString& symptom);
// [患者信息].[序号]: the name as typed, the pinyin initials of the trimmed name and the
// birth year.
QString PatientKey(const QString& name, const QString& birthYear);

}  // namespace text
