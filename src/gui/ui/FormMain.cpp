// The main window's construction: commands, menus, the tool bar and the layout of its fields.
#include "gui/ui/FormMain.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/common/Version.h"
#include "core/document/ComparisonCurve.h"
#include "core/document/DocumentText.h"
#include "gui/graph/GraphView.h"
#include "gui/help/WhatsThisTexts.h"
#include "gui/ui/CoilPicture.h"
#include "gui/widgets/MakerLogo.h"
#include "gui/widgets/NumericField.h"

namespace curvedesk {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kNoteLength = 256;
// The field column keeps one width so the graph takes every pixel the window gains.
constexpr int kFieldPanelWidth = 380;
// The size the window's layout was made for; a smaller screen gets what it has room for.
constexpr QSize kPreferredWindowSize(1280, 820);
// Room the window system takes around the window (title bar and borders).
constexpr QSize kWindowFrame(16, 40);
const char* const kProductName = "Korvane Tarvo";
const char* const kWebSiteName = "Korvane Online";

QAction* MakeAction(QObject* parent, const char* objectName, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QString::fromLatin1(objectName));
  return action;
}

QLineEdit* ReadOnlyField(const char* objectName) {
  auto* field = new QLineEdit;
  field->setObjectName(QString::fromLatin1(objectName));
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::ClickFocus);
  return field;
}

NumericField* RpmField(const char* objectName) {
  auto* field = new NumericField;
  field->setObjectName(QString::fromLatin1(objectName));
  field->setMaxLength(5);
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(110);
  field->setPlaceholderText(QStringLiteral("off"));
  return field;
}

QComboBox* ListField(const char* objectName, int first, int last) {
  auto* list = new QComboBox;
  list->setObjectName(QString::fromLatin1(objectName));
  list->setMaximumWidth(110);
  for (int value = first; value <= last; ++value) list->addItem(QString::number(value));
  return list;
}

// A coloured line with its plot's name, as the legend of the graph.
QWidget* LegendEntry(const QColor& colour, const QString& caption) {
  auto* entry = new QWidget;
  auto* layout = new QHBoxLayout(entry);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  auto* swatch = new QFrame;
  swatch->setFixedSize(18, 5);
  swatch->setStyleSheet(QStringLiteral("background: %1; border: none;").arg(colour.name()));
  layout->addWidget(swatch);
  layout->addWidget(new QLabel(caption));
  return entry;
}

}  // namespace

FormMain::FormMain(AppContext& context, CurveDocument& document, Prompter& prompter, FileDialogs& fileDialogs,
                   QWidget* parent)
    : QMainWindow(parent), context_(context), document_(document), prompter_(prompter), fileDialogs_(fileDialogs) {
  setObjectName(QStringLiteral("FormMain"));
  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildCentralArea();
  BuildNodeTable();
  BuildComparison();
  ApplyWhatsThisTexts(*this);

  // Window load.
  ApplyWindowPosition();
  RefreshRecentMenu();
  txtGraphInfo_->setMaxLength(kNoteLength);
  clipboard_.copied = false;
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { DocumentChanged(change); });
  DocumentChanged(DocumentChange(DocumentChange::kDocument));
  // The coil selector locks itself when it loses the focus: it must not hold the focus by chance.
  picGraph_->setFocus(Qt::OtherFocusReason);
}

FormMain::~FormMain() {
  document_.Unsubscribe(subscription_);
  comparison_->Unsubscribe(comparisonCommandsSubscription_);
}

void FormMain::BuildActions() {
  QStyle* look = style();
  mnuFileNew_ = MakeAction(this, "mnuFileNew", tr("&New..."));
  mnuFileNew_->setShortcut(QKeySequence::New);
  mnuFileNew_->setIcon(look->standardIcon(QStyle::SP_FileIcon));
  mnuFileOpen_ = MakeAction(this, "mnuFileOpen", tr("&Open..."));
  mnuFileOpen_->setShortcut(QKeySequence::Open);
  mnuFileOpen_->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
  mnuFileClose_ = MakeAction(this, "mnuFileClose", tr("&Close"));
  mnuFileClose_->setIcon(look->standardIcon(QStyle::SP_DialogCloseButton));
  mnuFileSave_ = MakeAction(this, "mnuFileSave", tr("&Save"));
  mnuFileSave_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  mnuFileSave_->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
  mnuFileSaveAs_ = MakeAction(this, "mnuFileSaveAs", tr("Save &As..."));
  mnuFileSaveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  mnuFilePrintGraph_ = MakeAction(this, "mnuFilePrintGraph", tr("&Print Graph..."));
  mnuFilePrintGraph_->setShortcut(QKeySequence::Print);
  mnuFileExportPdf_ = MakeAction(this, "mnuFileExportPdf", tr("&Export PDF..."));
  mnuFileProgramIgnition_ = MakeAction(this, "mnuFileProgramIgnition", tr("Program &Ignition"));
  mnuFileCompareIgnition_ = MakeAction(this, "mnuFileCompareIgnition", tr("Co&mpare with Ignition"));
  mnuFileProgramRevLimit_ = MakeAction(this, "mnuFileProgramRevLimit", tr("Program &Rev. Limit..."));
  for (std::size_t i = 0; i < mnuFileMRU_.size(); ++i) {
    mnuFileMRU_[i] = MakeAction(this, "mnuFileMRU", QString());
    mnuFileMRU_[i]->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
    mnuFileMRU_[i]->setVisible(false);
    connect(mnuFileMRU_[i], &QAction::triggered, this, [this, i] { OpenRecentFile(static_cast<int>(i)); });
  }
  mnuFileExit_ = MakeAction(this, "mnuFileExit", tr("E&xit"));
  mnuFileExit_->setShortcut(QKeySequence::Quit);

  mnuEditUndo_ = MakeAction(this, "mnuEditUndo", tr("&Undo"));
  mnuEditUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  mnuEditUndo_->setIcon(look->standardIcon(QStyle::SP_ArrowBack));
  mnuEditRedo_ = MakeAction(this, "mnuEditRedo", tr("&Redo"));
  // Both of the usual redo keys, whatever the desktop's own convention.
  mnuEditRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  mnuEditRedo_->setIcon(look->standardIcon(QStyle::SP_ArrowForward));

  mnuConfigSensors_ = MakeAction(this, "mnuConfigSensors", tr("Adjust &Sensors..."));
  mnuConfigCustEng_ = MakeAction(this, "mnuConfigCustEng", tr("Change Custom Cylinder Angle"));
  mnuConfigSparkDist_ = MakeAction(this, "mnuConfigSparkDist", tr("Change &Distribution Type..."));
  mnuConfigCurveFallback_ = MakeAction(this, "mnuConfigCurveFallback", tr("Change &Fallback RPM..."));
  mnuConfigRotorPos_ = MakeAction(this, "mnuConfigRotorPos", tr("Change &Rotor Position..."));
  mnuConfigTachType_ = MakeAction(this, "mnuConfigTachType", tr("Change &Tach Type..."));
  mnuConfigSerialPort_ = MakeAction(this, "mnuConfigSerialPort", tr("Configure Serial &Port..."));
  mnuConfigVerifyAfterWrite_ = MakeAction(this, "mnuConfigVerifyAfterWrite", tr("&Verify After Programming"));
  mnuConfigVerifyAfterWrite_->setCheckable(true);
  mnuConfigUpgradeFirmware_ = MakeAction(this, "mnuConfigUpgradeFirmware", tr("&Upgrade Firmware..."));

  mnuHelpTopics_ = MakeAction(this, "mnuHelpTopics", tr("&Help Topics"));
  mnuHelpTopics_->setShortcut(QKeySequence::HelpContents);
  mnuHelpWhatsThis_ = MakeAction(this, "mnuHelpWhatsThis", tr("&What's This?"));
  mnuHelpWeb_ = MakeAction(this, "mnuHelpWeb", tr("&Go to ") + QString::fromLatin1(kWebSiteName));
  mnuHelpAbout_ = MakeAction(this, "mnuHelpAbout", tr("&About ") + QString::fromLatin1(kProductName));

  graphCopy_ = MakeAction(this, "actGraphCopy", tr("Copy Graph"));
  graphCopy_->setToolTip(tr("Copy this sensor state's graph"));
  graphPaste_ = MakeAction(this, "actGraphPaste", tr("Paste Graph"));
  graphPaste_->setToolTip(tr("Paste the copied graph into this sensor state"));

  unavailable_ = {mnuFileProgramIgnition_, mnuFileProgramRevLimit_, mnuConfigSerialPort_, mnuConfigUpgradeFirmware_,
                  mnuHelpAbout_, mnuFileCompareIgnition_, mnuConfigVerifyAfterWrite_};
  for (QAction* action : unavailable_) action->setEnabled(false);

  connect(mnuFileNew_, &QAction::triggered, this, &FormMain::NewCurve);
  connect(mnuFileOpen_, &QAction::triggered, this, &FormMain::OpenCurve);
  connect(mnuFileClose_, &QAction::triggered, this, &FormMain::CloseCurve);
  connect(mnuFileSave_, &QAction::triggered, this, &FormMain::SaveCurve);
  connect(mnuFileSaveAs_, &QAction::triggered, this, &FormMain::SaveCurveAs);
  connect(mnuFileExit_, &QAction::triggered, this, &FormMain::Exit);
  connect(mnuEditUndo_, &QAction::triggered, this, &FormMain::Undo);
  connect(mnuEditRedo_, &QAction::triggered, this, &FormMain::Redo);
  connect(mnuHelpWeb_, &QAction::triggered, this, &FormMain::OpenWebPage);
  connect(mnuFilePrintGraph_, &QAction::triggered, this, &FormMain::PrintGraph);
  connect(mnuFileExportPdf_, &QAction::triggered, this, &FormMain::ExportPdf);
  connect(mnuHelpTopics_, &QAction::triggered, this, &FormMain::ShowHelpTopics);
  connect(mnuHelpWhatsThis_, &QAction::triggered, this, &FormMain::EnterWhatsThisMode);
  connect(graphCopy_, &QAction::triggered, this, &FormMain::CopyGraph);
  connect(graphPaste_, &QAction::triggered, this, &FormMain::PasteGraph);
  connect(mnuConfigSensors_, &QAction::triggered, this, &FormMain::AdjustSensors);
  connect(mnuConfigCustEng_, &QAction::triggered, this, &FormMain::ChangeCustomCylinderAngle);
  connect(mnuConfigSparkDist_, &QAction::triggered, this, &FormMain::ChangeSparkDist);
  connect(mnuConfigCurveFallback_, &QAction::triggered, this, &FormMain::ChangeCurveFallback);
  connect(mnuConfigRotorPos_, &QAction::triggered, this, &FormMain::ChangeRotorPosition);
  connect(mnuConfigTachType_, &QAction::triggered, this, &FormMain::ChangeTachType);
}

void FormMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->addActions({mnuFileNew_, mnuFileOpen_, mnuFileClose_});
  file->addSeparator();
  file->addActions({mnuFileSave_, mnuFileSaveAs_});
  file->addSeparator();
  file->addActions({mnuFilePrintGraph_, mnuFileExportPdf_});
  file->addSeparator();
  file->addActions({mnuFileProgramIgnition_, mnuFileCompareIgnition_, mnuFileProgramRevLimit_});
  file->addSeparator();
  for (QAction* recent : mnuFileMRU_) file->addAction(recent);
  mnuFileSepRecent_ = file->addSeparator();
  mnuFileSepRecent_->setObjectName(QStringLiteral("mnuFileSepRecent"));
  mnuFileSepRecent_->setVisible(false);
  file->addAction(mnuFileExit_);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  edit->addActions({mnuEditUndo_, mnuEditRedo_});
  edit->addSeparator();
  edit->addActions({graphCopy_, graphPaste_});

  QMenu* config = menuBar()->addMenu(tr("&Config"));
  config->setObjectName(QStringLiteral("mnuConfig"));
  config->addActions({mnuConfigSensors_, mnuConfigCustEng_, mnuConfigSparkDist_, mnuConfigCurveFallback_,
                      mnuConfigRotorPos_, mnuConfigTachType_, mnuConfigSerialPort_, mnuConfigVerifyAfterWrite_,
                      mnuConfigUpgradeFirmware_});

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->addActions({mnuHelpTopics_, mnuHelpWhatsThis_});
  help->addSeparator();
  help->addActions({mnuHelpWeb_, mnuHelpAbout_});
}

void FormMain::BuildToolBar() {
  QToolBar* bar = addToolBar(tr("Commands"));
  bar->setObjectName(QStringLiteral("tbCommands"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto button = [bar](QAction* action, const char* objectName) {
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(QString::fromLatin1(objectName));
  };
  button(mnuFileNew_, "CmdNew");
  button(mnuFileOpen_, "CmdOpen");
  button(mnuFileSave_, "CmdSave");
  button(mnuFileSaveAs_, "CmdSaveAs");
  // The compact edition has no Close button: Close is in the File menu.
  if (context_.edition == Edition::Full) button(mnuFileClose_, "CmdClose");
  bar->addSeparator();
  button(mnuEditUndo_, "cmdUndo");
  button(mnuEditRedo_, "cmdRedo");
  bar->addSeparator();
  button(mnuFileProgramIgnition_, "cmdProgramIgnition");
  button(mnuFileProgramRevLimit_, "CmdProgRevLimit");
  if (context_.edition == Edition::Compact) {
    // Buttons with their own captions for two Config menu commands; they follow the commands'
    // enabled state.
    auto captioned = [bar](QAction* action, const char* objectName, const QString& caption) {
      auto* commandButton = new QToolButton;
      commandButton->setObjectName(QString::fromLatin1(objectName));
      commandButton->setText(caption);
      commandButton->setEnabled(action->isEnabled());
      connect(commandButton, &QToolButton::clicked, action, &QAction::trigger);
      connect(action, &QAction::enabledChanged, commandButton, &QWidget::setEnabled);
      bar->addWidget(commandButton);
    };
    bar->addSeparator();
    captioned(mnuConfigTachType_, "cmdChangeTachType", tr("Change Tach Type"));
    captioned(mnuConfigSerialPort_, "ConfigureSerialPort", tr("Configure Serial Port"));
  }
  auto* spacer = new QWidget;
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  button(mnuHelpAbout_, "CmdAbout");
  button(mnuFileExit_, "CmdExit");
}

void FormMain::BuildCentralArea() {
  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->setObjectName(QStringLiteral("splitMain"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(BuildGraphPanel());

  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("scrFields"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QWidget* fields = BuildFieldPanel();
  fields->setFixedWidth(kFieldPanelWidth);
  scroll->setWidget(fields);
  scroll->setFixedWidth(kFieldPanelWidth + scroll->verticalScrollBar()->sizeHint().width());
  splitter->addWidget(scroll);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  setCentralWidget(splitter);

  picLogo_ = new MakerLogo(this);
  picLogo_->hide();

  setTabOrder(cboSensorSelect_, txtGraphInfo_);
  setTabOrder(txtGraphInfo_, txtRevLimit_);
  setTabOrder(txtRevLimit_, cboNumTransitions_);
  setTabOrder(cboNumTransitions_, cboNumSparks_);
  setTabOrder(cboNumSparks_, txtRpmSw1Start_);
  setTabOrder(txtRpmSw1Start_, txtRpmSw1Stop_);
  setTabOrder(txtRpmSw1Stop_, txtRpmSw2Start_);
  setTabOrder(txtRpmSw2Start_, txtRpmSw2Stop_);
  setTabOrder(txtRpmSw2Stop_, cboCoilSat_);
}

QWidget* FormMain::BuildGraphPanel() {
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(8, 8, 4, 8);

  layout->addWidget(BuildCoilWarning());

  auto* header = new QHBoxLayout;
  auto* stateLabel = new QLabel(tr("Sensor &State"));
  cboSensorSelect_ = new QComboBox;
  cboSensorSelect_->setObjectName(QStringLiteral("cboSensorSelect"));
  cboSensorSelect_->setMinimumContentsLength(26);
  cboSensorSelect_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  stateLabel->setBuddy(cboSensorSelect_);
  header->addWidget(stateLabel);
  header->addWidget(cboSensorSelect_);
  header->addStretch();
  for (auto [action, name] : {std::pair{graphCopy_, "cmdGraphCopy"}, std::pair{graphPaste_, "cmdGraphPaste"}}) {
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setObjectName(QString::fromLatin1(name));
    header->addWidget(button);
  }
  layout->addLayout(header);

  picGraph_ = new GraphView(document_, prompter_);
  picGraph_->setFocusPolicy(Qt::ClickFocus);
  layout->addWidget(picGraph_, 1);

  auto* legend = new QHBoxLayout;
  legend->addStretch();
  legend->addWidget(LegendEntry(QColor(224, 0, 0), tr("Coil On")));
  legend->addSpacing(12);
  legend->addWidget(LegendEntry(QColor(224, 224, 0), tr("1st Spark")));
  legend->addSpacing(12);
  legend->addWidget(LegendEntry(QColor(0, 0, 224), tr("2nd Spark")));
  legend->addSpacing(12);
  legend->addWidget(LegendEntry(QColor(0, 160, 0), tr("3rd Spark")));
  legend->addStretch();
  layout->addLayout(legend);

  auto* noteRow = new QHBoxLayout;
  auto* noteLabel = new QLabel(tr("&Notes"));
  txtGraphInfo_ = new QLineEdit;
  txtGraphInfo_->setObjectName(QStringLiteral("txtGraphInfo"));
  txtGraphInfo_->setPlaceholderText(tr("Notes for this sensor state"));
  txtGraphInfo_->installEventFilter(this);
  noteLabel->setBuddy(txtGraphInfo_);
  noteRow->addWidget(noteLabel);
  noteRow->addWidget(txtGraphInfo_, 1);
  layout->addLayout(noteRow);

  connect(cboSensorSelect_, &QComboBox::activated, this, &FormMain::SensorStateChosen);
  connect(txtGraphInfo_, &QLineEdit::textEdited, this, &FormMain::NoteEdited);
  return panel;
}

QWidget* FormMain::BuildFieldPanel() {
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  // Tight spacing: with the status bar below, every field still fits a 1366 x 768 screen.
  layout->setContentsMargins(4, 4, 8, 4);
  layout->setSpacing(4);

  auto* ignition = new QGroupBox(tr("Ignition"));
  auto* ignitionForm = new QGridLayout(ignition);
  ignitionForm->setVerticalSpacing(2);
  txtIgnitionNameModel_ = ReadOnlyField("txtIgnitionNameModel");
  txtEngineType_ = ReadOnlyField("txtEngineType");
  txtNumCylinders_ = ReadOnlyField("txtNumCylinders");
  txtSparkDist_ = ReadOnlyField("txtSparkDist");
  txtRotorPos_ = ReadOnlyField("txtRotorPos");
  txtTachType_ = ReadOnlyField("txtTachType");
  txtCurveFallback_ = ReadOnlyField("txtCurveFallback");
  txtSensor1_ = ReadOnlyField("txtSensor1");
  txtSensor2_ = ReadOnlyField("txtSensor2");
  lblSensor1_ = new QLabel(tr("Sensor 1"));
  lblSensor1_->setObjectName(QStringLiteral("lblSensor1"));
  lblSensor2_ = new QLabel(tr("Sensor 2"));
  lblSensor2_->setObjectName(QStringLiteral("lblSensor2"));
  const std::pair<QWidget*, QLineEdit*> rows[] = {
      {new QLabel(tr("Ignition Name/Model")), txtIgnitionNameModel_},
      {new QLabel(tr("Engine Type")), txtEngineType_},
      {new QLabel(tr("Number of Cylinders")), txtNumCylinders_},
      {new QLabel(tr("H.V. Distr.")), txtSparkDist_},
      {new QLabel(tr("Rotor Pos.")), txtRotorPos_},
      {new QLabel(tr("Tach")), txtTachType_},
      {new QLabel(tr("Fallback RPM")), txtCurveFallback_},
      {lblSensor1_, txtSensor1_},
      {lblSensor2_, txtSensor2_},
  };
  int row = 0;
  for (const auto& [label, field] : rows) {
    ignitionForm->addWidget(label, row, 0);
    ignitionForm->addWidget(field, row, 1);
    ++row;
  }
  // Double clicks on the read-only fields open their configuration dialogs.
  for (QLineEdit* field : {txtSparkDist_, txtRotorPos_, txtTachType_, txtCurveFallback_, txtSensor1_, txtSensor2_})
    field->installEventFilter(this);
  layout->addWidget(ignition);

  // The graph's own values and its RPM switch outputs share one box: a laptop screen has no height
  // to spare for another frame.
  auto* graph = new QGroupBox(tr("Graph"));
  auto* graphForm = new QGridLayout(graph);
  graphForm->setVerticalSpacing(2);
  txtRevLimit_ = RpmField("txtRevLimit");
  cboNumTransitions_ = ListField("cboNumTransitions", 2, 10);
  cboNumSparks_ = ListField("cboNumSparks", 1, 3);
  auto addRow = [graphForm](int at, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    graphForm->addWidget(label, at, 0);
    graphForm->addWidget(field, at, 2);
  };
  addRow(0, tr("Rev &Limit @ RPM"), txtRevLimit_);
  addRow(1, tr("Number of &Transitions"), cboNumTransitions_);
  addRow(2, tr("Number of S&parks"), cboNumSparks_);

  txtRpmSw1Start_ = RpmField("txtRpmSw1Start");
  txtRpmSw1Stop_ = RpmField("txtRpmSw1Stop");
  txtRpmSw2Start_ = RpmField("txtRpmSw2Start");
  txtRpmSw2Stop_ = RpmField("txtRpmSw2Stop");
  lblRpmSw1_ = new QLabel(tr("RPM Switch 1 Out @ RPM"));
  lblRpmSw1_->setObjectName(QStringLiteral("lblRpmSw1"));
  lblRpmSw2_ = new QLabel(tr("RPM Switch 2 Out @ RPM"));
  lblRpmSw2_->setObjectName(QStringLiteral("lblRpmSw2"));
  auto* switches = new QLabel(tr("RPM Switch Outputs"));
  QFont heading = switches->font();
  heading.setBold(true);
  switches->setFont(heading);
  graphForm->addWidget(switches, 3, 0);
  graphForm->addWidget(new QLabel(tr("Start")), 3, 1, Qt::AlignHCenter | Qt::AlignBottom);
  graphForm->addWidget(new QLabel(tr("Stop")), 3, 2, Qt::AlignHCenter | Qt::AlignBottom);
  graphForm->addWidget(lblRpmSw1_, 4, 0);
  graphForm->addWidget(txtRpmSw1Start_, 4, 1);
  graphForm->addWidget(txtRpmSw1Stop_, 4, 2);
  graphForm->addWidget(lblRpmSw2_, 5, 0);
  graphForm->addWidget(txtRpmSw2Start_, 5, 1);
  graphForm->addWidget(txtRpmSw2Stop_, 5, 2);
  graphForm->setRowMinimumHeight(3, 28);
  layout->addWidget(graph);

  layout->addWidget(BuildCoilPanel());
  layout->addStretch();

  txtRevLimit_->SetValidation([this] { return ValidateRevLimit(); });
  txtRevLimit_->SetNextField(cboNumTransitions_);
  const std::pair<NumericField*, QWidget*> chain[] = {{txtRpmSw1Start_, txtRpmSw1Stop_},
                                                      {txtRpmSw1Stop_, txtRpmSw2Start_},
                                                      {txtRpmSw2Start_, txtRpmSw2Stop_},
                                                      {txtRpmSw2Stop_, cboNumTransitions_}};
  for (auto [field, next] : chain) {
    field->SetValidation([this, field] { return ValidateRpmSwitch(field); });
    field->SetNextField(next);
  }
  for (NumericField* field : {txtRevLimit_, txtRpmSw1Start_, txtRpmSw1Stop_, txtRpmSw2Start_, txtRpmSw2Stop_})
    connect(field, &NumericField::pendingChanged, this, &FormMain::UpdateUndoCommands);
  connect(cboNumTransitions_, &QComboBox::activated, this, &FormMain::TransitionsChosen);
  connect(cboNumSparks_, &QComboBox::activated, this, &FormMain::SparksChosen);
  return panel;
}

QWidget* FormMain::BuildCoilWarning() {
  // Across the top of the graph, where it is seen first and takes two lines instead of ten in the
  // field column.
  frWarning_ = new QFrame;
  frWarning_->setObjectName(QStringLiteral("frWarning"));
  frWarning_->setFrameShape(QFrame::StyledPanel);
  frWarning_->setStyleSheet(QStringLiteral(
      "#frWarning { background: #fff4d6; border: 1px solid #e0a800; border-radius: 4px; }"));
  auto* warningLayout = new QHBoxLayout(frWarning_);
  warningLayout->setContentsMargins(8, 4, 8, 4);
  auto* icon = new QLabel;
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24));
  icon->setAlignment(Qt::AlignTop);
  warningLayout->addWidget(icon);
  auto* warning = new QLabel(
      QStringLiteral("<b>%1</b> %2")
          .arg(tr("You must choose an Ignition Coil Type when creating a curve/map. Choosing the wrong coil type "
                  "could damage the ignition coil. Choose an ignition coil type to remove this warning message."),
               tr("Stock coils and any aftermarket coil with a primary resistance of about 3 Ohm count as a "
                  "\"3 Ohm Primary Coil\".")));
  warning->setWordWrap(true);
  warningLayout->addWidget(warning, 1);
  return frWarning_;
}

QWidget* FormMain::BuildCoilPanel() {
  auto* coil = new QGroupBox(tr("Ignition Coil"));
  auto* layout = new QVBoxLayout(coil);
  cboCoilSat_ = new QComboBox;
  cboCoilSat_->setObjectName(QStringLiteral("cboCoilSat"));
  cboCoilSat_->setPlaceholderText(tr("Choose the ignition coil"));
  cboCoilSat_->installEventFilter(this);
  auto* choice = new QHBoxLayout;
  auto* selector = new QVBoxLayout;
  selector->addWidget(new QLabel(tr("Coil Type")));
  selector->addWidget(cboCoilSat_);
  selector->addStretch();
  choice->addLayout(selector, 1);
  layout->addLayout(choice);

  coilPictures_ = MakeCoilPictures(context_.edition);
  for (CoilPicture* picture : coilPictures_) {
    picture->hide();
    choice->addWidget(picture);
  }

  connect(cboCoilSat_, &QComboBox::activated, this, &FormMain::CoilChosen);
  return coil;
}

void FormMain::ApplyWindowPosition() {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
  const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  QPoint topLeft(qRound(context_.settings.MainLeft * dpi / kTwipsPerInch),
                 qRound(context_.settings.MainTop * dpi / kTwipsPerInch));
  // A position remembered from a larger or another screen must not hide the window, and the first
  // start, which remembers no place yet, takes the top left of the free area, where it fits whole.
  const AppSettings firstStart;
  const bool noPlaceYet =
      context_.settings.MainLeft == firstStart.MainLeft && context_.settings.MainTop == firstStart.MainTop;
  if (noPlaceYet || !QGuiApplication::screenAt(topLeft + QPoint(40, 10))) topLeft = available.topLeft();
  // From a remembered place the window takes no more than the room the screen leaves there.
  const QSize room(available.right() + 1 - topLeft.x(), available.bottom() + 1 - topLeft.y());
  resize(DefaultSize(room.expandedTo(available.size() / 2)));
  move(topLeft);
}

QSize FormMain::DefaultSize(const QSize& available) {
  return kPreferredWindowSize.boundedTo(available - kWindowFrame);
}

void FormMain::StoreWindowPosition() {
  if (isMinimized()) return;
  QScreen* screen = QGuiApplication::primaryScreen();
  const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  context_.settings.MainLeft = qRound(pos().x() * kTwipsPerInch / dpi);
  context_.settings.MainTop = qRound(pos().y() * kTwipsPerInch / dpi);
}

void FormMain::SetCommandEnabled(QAction* action, bool enabled) {
  enabled = enabled && !unavailable_.contains(action);
  // While a job runs every command waits; what it should be afterwards is remembered.
  if (jobRunning_) {
    lockedCommands_.removeAll(action);
    if (enabled) lockedCommands_.append(action);
    return;
  }
  action->setEnabled(enabled);
}


}  // namespace curvedesk
