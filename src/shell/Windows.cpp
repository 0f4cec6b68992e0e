#include "shell/Windows.h"

#include "catalogue/Form3.h"
#include "clinical/Form7.h"
#include "clinical/WordListForm.h"
#include "clinical/Form14.h"
#include "clinical/Form4.h"
#include "prescription/Form2.h"
#include "printing/Form19.h"
#include "purchasing/Form16.h"
#include "purchasing/Form17.h"
#include "purchasing/Form18.h"
#include "reports/Form12.h"
#include "reports/Form13.h"
#include "reports/Form15.h"
#include "shell/Form1.h"
#include "shell/Form10.h"
#include "shell/Form20.h"
#include "shell/Form21.h"
#include "shell/Form8.h"
#include "shell/Form9.h"

namespace shell {
namespace {

template <class W>
void define(ui::Session& session, ui::WindowRegistry::Kind kind) {
  session.windows.define(QString::fromLatin1(W::kName), kind, [&session] { return new W(session); });
}

}  // namespace

// Child windows open inside the main window; the settings, login, overlay-template and
// stroke-pad windows (Form8, Form9, Form19, Form21) are top-level windows.
void defineWindows(ui::Session& session) {
  using Kind = ui::WindowRegistry::Kind;
  session.windows.setMainWindowName(QString::fromLatin1(Form1::kName));
  define<Form1>(session, Kind::TopLevel);
  define<Form9>(session, Kind::TopLevel);
  define<Form8>(session, Kind::TopLevel);
  define<Form21>(session, Kind::TopLevel);
  define<printing::Form19>(session, Kind::TopLevel);
  define<prescription::Form2>(session, Kind::Child);
  define<catalogue::Form3>(session, Kind::Child);
  define<clinical::Form4>(session, Kind::Child);
  define<clinical::Form14>(session, Kind::Child);
  define<Form10>(session, Kind::Child);
  define<Form20>(session, Kind::Child);
  define<clinical::Form7>(session, Kind::Child);
  define<clinical::Form5>(session, Kind::Child);
  define<clinical::Form6>(session, Kind::Child);
  define<purchasing::Form16>(session, Kind::Child);
  define<purchasing::Form17>(session, Kind::Child);
  define<purchasing::Form18>(session, Kind::Child);
  define<reports::Form12>(session, Kind::Child);
  define<reports::Form13>(session, Kind::Child);
  define<reports::Form15>(session, Kind::Child);

  // Readers of the settings (the sheet title, a new prescription's defaults, the prints)
  // get the stored row without the settings window being made: it is made when opened.
  session.settings.setLoader([&session] { loadSettingsWithoutWindow(session); });
}

}  // namespace shell
