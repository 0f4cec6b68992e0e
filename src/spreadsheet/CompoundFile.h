// The compound-file container (version 3, 512-byte sectors) that holds the workbook
// stream: a header, the stream's sectors, one directory sector, the allocation table and,
// for files above about 7 MB, the extra sectors that list the allocation table's sectors.
#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {

// A container with one stream under the given name. A stream shorter than 4,096 bytes is
// padded with zeros to that size, so that it lives in ordinary sectors and never in the
// small-stream area.
QByteArray compoundFile(const QByteArray& stream, const QString& streamName = QStringLiteral("Workbook"));

}  // namespace spreadsheet
