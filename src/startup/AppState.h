// The result of start-up that every window reads: data folder, database files, mode,
// password, stroke table.
#pragma once

#include <QString>

namespace startup {

// File names in the data folder.
inline const QString kMainDbFile = QStringLiteral("数据库.dat");
inline const QString kStockDbFile = QStringLiteral("库存管理.dat");
inline const QString kDictionaryDbFile = QStringLiteral("综合设置.dat");
inline const QString kNotifyFile = QStringLiteral("Kqtz.ini");
inline const QString kBellMarkerFile = QStringLiteral("Lstz.ini");
inline const QString kHostNameFile = QStringLiteral("kvlo-12.jpg");

// What start-up found, fixed for the life of the process: the data folder, the files
// in use, the mode, the password and the stroke table. A plain value; the services that
// change as the program runs live in SharedServices, and the stroke pad's target on the
// window side.
struct AppState {
  // Selling price = purchase price x ratio; 1.25 at every start, never saved.
  // mutable: the goods-receipt and catalogue windows change it as the program runs.
  mutable double markupRatio = 1.25;
  // Ends every prescription number made on this workstation.
  QString stationCode;
  // The local data folder (the "Corvala数据库" folder on drive D: or C:).
  QString localDataFolder;

  // Paths of the three database files in use. Most services open their file for one
  // command and close it again; the prescription model, which looks up at every
  // keystroke, keeps its connection to the main file open while it lives
  // (store::KeptConnection), holding no lock between two uses.
  QString mainDbPath;
  QString stockDbPath;
  QString dictionaryDbPath;  // always the local file

  // "Kqtz.ini" in the data folder in use (local, or on the host in network mode).
  QString notifyFilePath;
  // The stored password without its line feeds, as read; start-up never hands on a
  // password it could not read.
  QString loginPassword;
  // Every character of the input-method dictionary as character & strokes & "&".
  QString strokeCodeTable;
  // False when the dictionary could not be read or is empty: stroke search is off and
  // the search keys are not rebuilt, so that no key loses its stroke code for good.
  bool strokeTableRead = false;

  // Network mode: the main and inventory files and "Kqtz.ini" lie on hostName's share.
  bool networkMode = false;
  QString hostName;
};

}  // namespace startup
