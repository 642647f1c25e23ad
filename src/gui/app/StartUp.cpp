#include "gui/app/StartUp.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include "core/app/DamagedSettings.h"
#include "core/app/Settings.h"
#include "core/ignition/SerialPortChoice.h"
#include "core/ignition/SerialPortSettings.h"
#include "core/ignition/TimingTableFiles.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/app/CrashRecovery.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/paint/MakerLogoPainter.h"
#include "gui/platform/QtSerialLink.h"
#include "gui/ui/FormMain.h"

// The icon resource lives in the static library, which the linker leaves out unless it is referenced;
// Q_INIT_RESOURCE references it and must stand outside any namespace.
static void InitIconResource() { Q_INIT_RESOURCE(curvedesk_icons); }

namespace curvedesk {

namespace {

// The program icon that is installed for the desktop. The maker's logo is painted in its place
// only when the SVG cannot be drawn (Qt's SVG icon plugin missing).
QIcon ProgramIcon() {
  InitIconResource();
  QIcon icon(QStringLiteral(":/icons/" CURVEDESK_APP_ID ".svg"));
  if (!icon.pixmap(QSize(32, 32)).isNull()) return icon;
  icon = QIcon();
  for (int side : {16, 32, 64, 256}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintMakerLogo(painter, QRectF(0, 0, side, side));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

StartUp::StartUp(AppContext& context, RegistryStore& store, Prompter& prompter, FileDialogs& fileDialogs)
    : context_(context), store_(store), prompter_(prompter), fileDialogs_(fileDialogs) {}

StartUp::~StartUp() = default;

bool StartUp::Run(const std::string& startupFile, const std::string& compareFile) {
  context_.StartupFile = startupFile;
  try {
    // A damaged settings file of our own is set aside, so that the program can start at all.
    RecoverFromDamagedSettings(store_, prompter_, [this] {
      LoadSettings(store_, context_.folders, context_.settings);
      context_.settings.ComDevice = LoadComDevice(store_, kSettingsKey);
    });
    document_ = std::make_unique<CurveDocument>(context_.defaultGraph,
                                                CoilLimitsSource{LimitsFilePath(context_.folders), context_.edition});
    if (!context_.folders.recoveryDir.empty())
      recovery_ = std::make_unique<CrashRecovery>(context_, *document_, prompter_);
    window_ = std::make_unique<FormMain>(context_, *document_, prompter_, fileDialogs_);
    // The port is named when the first job opens it; a port chosen later waits for the next start.
    link_ = std::make_unique<QtSerialLink>([this] {
      return ConfiguredPortName(context_.settings.ComPort, context_.settings.ComDevice, SystemPortNaming());
    });
    session_ = std::make_unique<BoardSession>(*link_, context_.settings.ComSettings);
    ignitionCommands_ =
        std::make_unique<IgnitionCommands>(context_, store_, prompter_, fileDialogs_, *session_, window_.get());
    window_->SetIgnitionCommands(*ignitionCommands_);
    // Every window of the program shows the icon; the desktop file name ties them to their
    // desktop entry (Wayland compositors find the entry, and so the icon, by that name).
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(CURVEDESK_APP_ID) + (context_.edition == Edition::Compact
                                                                                ? QStringLiteral("_compact")
                                                                                : QString()));
    window_->SetUnloadHandler([this] { ShutDown(); });
    InstallTimingTables();
    CreateDefaultDocumentFolders(context_.folders);
    context_.CustName = ReadCustomerName(context_.folders);
    ReadIgnitionDescriptions(context_.ignitionDescriptions, context_.folders);
  } catch (const AppError& error) {
    prompter_.Tell("Error", error.Description().empty() ? error.what() : error.Description(), Prompter::Icon::Warning);
    window_.reset();
    return false;
  }

  // A restored curve comes first; the start-up file then opens as Open would, asking to save it.
  if (recovery_) RunShowingErrors(prompter_, [this] { recovery_->OfferLeftCopies(); });
  if (!context_.StartupFile.empty()) {
    try {
      if (window_->OpenStartupFile(context_.StartupFile) && !compareFile.empty())
        window_->CompareWithFile(compareFile);
    } catch (const AppError& error) {
      // The program stays up without a curve, or with the curve and nothing compared.
      ShowError(prompter_, error);
    }
  }
  window_->show();
  return true;
}

void StartUp::InstallTimingTables() {
  // Without the timing table only programming is lost: say so and let the editor start.
  try {
    InstallDefaultTimingTables(context_.folders);
  } catch (const AppError& error) {
    ShowError(prompter_, error);
  }
}

void StartUp::ShutDown() {
  // Whatever was not saved was given up when the window closed.
  if (recovery_) recovery_->Discard();
  try {
    RecoverFromDamagedSettings(store_, prompter_, [this] { SaveSettings(store_, context_.settings); });
  } catch (const AppError& error) {
    prompter_.Tell("Error", error.Description(), Prompter::Icon::Warning);
  }
  // The most recently opened first; the main window is being unloaded by its caller.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto window = windows.crbegin(); window != windows.crend(); ++window)
    if (*window != window_.get() && (*window)->isVisible()) (*window)->close();
}

}  // namespace curvedesk
