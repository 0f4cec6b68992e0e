// The state that start-up sets and every window reads: data folder, database files,
// mode, password, stroke table, and the few values windows hand each other.
#pragma once

#include "text/Serials.h"
#include "text/StrokeCode.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace startup {

// File names in the data folder.
inline const QString kMainDbFile = QStringLiteral("数据库.dat");
inline const QString kStockDbFile = QStringLiteral("库存管理.dat");
inline const QString kDictionaryDbFile = QStringLiteral("综合设置.dat");
inline const QString kNotifyFile = QStringLiteral("Kqtz.ini");
inline const QString kBellMarkerFile = QStringLiteral("Lstz.ini");
inline const QString kHostNameFile = QStringLiteral("kvlo-12.jpg");

struct AppState {
  // Selling price = purchase price x ratio; 1.25 at every start, never saved.
  double MarkupRatio = 1.25;
  // The system's default printer at start-up; empty when none is installed.
  QString DefaultPrinterName;
  // Ends every prescription number made on this workstation.
  QString StationCode;
  // The local data folder (the "Corvala数据库" folder on drive D: or C:).
  QString LocalDataFolder;

  // Paths of the three database files in use. A query opens its file, reads or writes,
  // and closes it again; nothing stays open between two events.
  QString MainDbConnection;
  QString StockDbConnection;
  QString DictionaryDbConnection;  // always the local file

  // "Kqtz.ini" in the data folder in use (local, or on the host in network mode).
  QString NotifyFilePath;
  // The stored password without its line feeds; empty when no read succeeded.
  QString LoginPassword;
  // Every character of the input-method dictionary as character & strokes & "&".
  QString StrokeCodeTable;
  // False when the dictionary could not be read or is empty: stroke search is off and
  // the search keys are not rebuilt, so that no key loses its stroke code for good.
  bool StrokeTableRead = false;
  // The stroke codes of StrokeCodeTable, looked up without scanning it; set at the end
  // of start-up and never null (an empty table gives empty codes).
  std::shared_ptr<const text::StrokeCoder> Strokes = std::make_shared<const text::StrokeCoder>();

  // Issues this workstation's record numbers, template and receipt keys and prescription
  // numbers, none equal to or earlier than the one before it.
  std::shared_ptr<text::SerialSource> Serials = std::make_shared<text::SerialSource>();

  // Network mode: the main and inventory files and "Kqtz.ini" lie on HostName's share.
  bool NetworkMode = false;
  QString HostName;

  // Set by the windows: the text box the stroke pad types into and its input kind.
  QPointer<QObject> InputTargetBox;
  QString InputTargetKind;
  // The medical record carried between the medical-record and prescription windows.
  QString CurrentRecordText;
  // The infusion-card text built from the prescription.
  QString InfusionCardText;
};

}  // namespace startup
