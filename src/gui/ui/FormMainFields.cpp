// The main window's configuration fields: rev limit, RPM switches, note, transitions and sparks
// lists, sensor-state selector, coil selector and graph copy and paste. Each hands the user's
// change to the document; the fields show the result when the document says what changed.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/document/DocumentText.h"
#include "core/document/FieldRules.h"
#include "core/model/CurveRules.h"
#include "gui/graph/GraphView.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/NumericField.h"

namespace curvedesk {

bool FormMain::ValidateRevLimit() {
  bool accepted = false;
  Guarded([&] {
    const std::string text = txtRevLimit_->text().toStdString();
    if (!text.empty()) {
      if (auto refusal = ValidateRpmValue(text)) {
        ShowErrorText(prompter_, *refusal);
        return;
      }
    }
    document_.SetRevLimit(text.empty() ? kNotSet : std::stoi(text));
    accepted = true;
  });
  return accepted;
}

bool FormMain::ValidateRpmSwitch(NumericField* field) {
  const struct {
    NumericField* field;
    NumericField* partner;
    RpmSwitchField value;
    bool isStart;
  } switches[] = {
      {txtRpmSw1Start_, txtRpmSw1Stop_, RpmSwitchField::Switch1Start, true},
      {txtRpmSw1Stop_, txtRpmSw1Start_, RpmSwitchField::Switch1Stop, false},
      {txtRpmSw2Start_, txtRpmSw2Stop_, RpmSwitchField::Switch2Start, true},
      {txtRpmSw2Stop_, txtRpmSw2Start_, RpmSwitchField::Switch2Stop, false},
  };
  bool accepted = false;
  for (const auto& sw : switches) {
    if (sw.field != field) continue;
    Guarded([&] {
      const std::string text = field->text().toStdString();
      // The partner as shown: a stop field cleared but not yet left counts as empty.
      if (auto refusal = RpmSwitchRefusal(text, sw.isStart, sw.partner->text().toStdString())) {
        ShowErrorText(prompter_, *refusal);
        return;
      }
      document_.SetRpmSwitch(sw.value, text.empty() ? kNotSet : std::stoi(text));
      accepted = true;
    });
  }
  return accepted;
}

void FormMain::NoteEdited(const QString& text) {
  Guarded([&] {
    if (noteTyping_ == 0) noteTyping_ = document_.BeginGesture();
    document_.SetNote(text.toStdString(), noteTyping_);
  });
}

void FormMain::TransitionsChosen(int index) {
  Guarded([&] {
    try {
      document_.SetNumTransitions(index + 2);
    } catch (...) {
      cboNumTransitions_->setFocus();
      RefreshGraphFields();
      throw;
    }
  });
}

void FormMain::SparksChosen(int index) {
  Guarded([&] {
    try {
      document_.SetNumSparks(index + 1);
    } catch (...) {
      cboNumSparks_->setFocus();
      RefreshGraphFields();
      throw;
    }
  });
}

void FormMain::SensorStateChosen(int index) { document_.ShowState(index); }

void FormMain::RebuildCoilList() {
  const QString chosen = cboCoilSat_->currentText();
  const QSignalBlocker quiet(cboCoilSat_);
  cboCoilSat_->clear();
  for (const std::string& coil : CoilTypesOffered(txtSparkDist_->text().toStdString(), context_.edition))
    cboCoilSat_->addItem(QString::fromStdString(coil));
  cboCoilSat_->setCurrentIndex(cboCoilSat_->findText(chosen));
}

void FormMain::CoilChosen(int index) {
  if (index < 0) return;
  Guarded([&] {
    frWarning_->hide();
    document_.ChooseCoil(cboCoilSat_->itemText(index).toStdString());
  });
}

void FormMain::CopyGraph() {
  if (!CommitPendingEdits()) return;
  clipboard_.graph = document_.ShownGraph();
  clipboard_.copied = true;
}

void FormMain::PasteGraph() {
  Guarded([this] {
    if (!CommitPendingEdits()) return;
    if (!clipboard_.copied) {
      prompter_.Ask("Warning", kCopyFirstMessage, Prompter::Icon::Warning, Prompter::Buttons::OkCancel);
      return;
    }
    if (!IsDefaultGraph(document_.ShownGraph(), document_.DefaultGraph()) &&
        prompter_.Ask("Warning", kOverwriteGraphQuestion, Prompter::Icon::Warning, Prompter::Buttons::YesNo) !=
            Prompter::Answer::Yes)
      return;
    document_.PasteGraph(clipboard_.graph);
  });
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtGraphInfo_) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QApplication::beep();
        return true;
      }
    }
    // Each visit to the note field is one undo step, however many keys it takes.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) noteTyping_ = 0;
  }
  if (watched == cboCoilSat_) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) RebuildCoilList();
    if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Opening its own list or switching windows is not leaving the selector.
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) cboCoilSat_->setEnabled(false);
    }
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    QAction* command = nullptr;
    if (watched == txtSparkDist_) command = mnuConfigSparkDist_;
    if (watched == txtRotorPos_) command = mnuConfigRotorPos_;
    if (watched == txtTachType_) command = mnuConfigTachType_;
    if (watched == txtCurveFallback_) command = mnuConfigCurveFallback_;
    if (watched == txtSensor1_ || watched == txtSensor2_) command = mnuConfigSensors_;
    if (command) {
      command->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace curvedesk
