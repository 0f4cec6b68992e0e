#include "shell/Windows.h"

#include "catalogue/CatalogueWindow.h"
#include "clinical/OutpatientLogWindow.h"
#include "clinical/WordListWindow.h"
#include "clinical/MedicalRecordWindow.h"
#include "clinical/TemplatesWindow.h"
#include "prescription/PrescriptionWindow.h"
#include "printing/OverlayTemplateWindow.h"
#include "purchasing/PurchaseStatisticsWindow.h"
#include "purchasing/PurchaseLedgerWindow.h"
#include "purchasing/GoodsReceiptWindow.h"
#include "reports/WorkloadWindow.h"
#include "reports/DrugSalesWindow.h"
#include "reports/SalesDetailWindow.h"
#include "shell/MainWindow.h"
#include "shell/AboutWindow.h"
#include "shell/NetworkWindow.h"
#include "shell/StrokePadWindow.h"
#include "shell/SettingsWindow.h"
#include "shell/LoginWindow.h"

namespace shell {
namespace {

template <class W>
void define(ui::Session& session, ui::WindowRegistry::Kind kind) {
  session.windows.define(QString::fromLatin1(W::kName), kind, [&session] { return new W(session); });
}

}  // namespace

// Child windows open inside the main window; the settings, login, overlay-template and
// stroke-pad windows (SettingsWindow, LoginWindow, OverlayTemplateWindow, StrokePadWindow)
// are top-level windows. The settings and overlay-template windows are the main window's
// own: they stay above it while the user works in it. The stroke pad stays above every
// window of its own accord.
void defineWindows(ui::Session& session) {
  using Kind = ui::WindowRegistry::Kind;
  session.windows.setMainWindowName(QString::fromLatin1(MainWindow::kName));
  define<MainWindow>(session, Kind::TopLevel);
  define<LoginWindow>(session, Kind::TopLevel);
  define<SettingsWindow>(session, Kind::Owned);
  define<StrokePadWindow>(session, Kind::TopLevel);
  define<printing::OverlayTemplateWindow>(session, Kind::Owned);
  define<prescription::PrescriptionWindow>(session, Kind::Child);
  define<catalogue::CatalogueWindow>(session, Kind::Child);
  define<clinical::TemplatesWindow>(session, Kind::Child);
  define<clinical::MedicalRecordWindow>(session, Kind::Child);
  define<AboutWindow>(session, Kind::Child);
  define<NetworkWindow>(session, Kind::Child);
  define<clinical::OutpatientLogWindow>(session, Kind::Child);
  define<clinical::PhraseListWindow>(session, Kind::Child);
  define<clinical::SymptomListWindow>(session, Kind::Child);
  define<purchasing::PurchaseStatisticsWindow>(session, Kind::Child);
  define<purchasing::PurchaseLedgerWindow>(session, Kind::Child);
  define<purchasing::GoodsReceiptWindow>(session, Kind::Child);
  define<reports::WorkloadWindow>(session, Kind::Child);
  define<reports::DrugSalesWindow>(session, Kind::Child);
  define<reports::SalesDetailWindow>(session, Kind::Child);

  // Readers of the settings (the sheet title, a new prescription's defaults, the prints)
  // get the stored row without the settings window being made: it is made when opened.
  session.settings.setLoader([&session] { loadSettingsWithoutWindow(session); });
}

}  // namespace shell
