#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "core/common/Prompter.h"
#include "core/wizard/CurveWizard.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace curvedesk {

class RepeatUpDown;

// The new-curve wizard ("Curve/Map Wizard"): nine pages over CurveWizard, which holds every rule.
// The window shows the wizard's choices and reports the user's; Finish writes the new curve.
class FormWizard : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kFinished = "1";
  static constexpr const char* kCancelled = "2";

  // Finish writes the new curve into curve.
  FormWizard(AppContext& context, CurveData& curve, Prompter& prompter, QWidget* parent = nullptr);
  ~FormWizard() override;

  // Opens the help viewer for the main window; without one the Help button and F1 do nothing.
  void SetHelpHandler(std::function<void()> handler);

  // Shows the wizard modal over its owner and returns the result tag: "1" finished, "2" cancelled
  // (also when the window is closed any other way).
  QString Run();
  const QString& Tag() const { return tag_; }
  const CurveWizard& Wizard() const { return wizard_; }

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SensorControls {
    QComboBox* type = nullptr;
    QLineEdit* volts = nullptr;
    RepeatUpDown* upDown = nullptr;
  };

  QGroupBox* AddPage(int page, const QString& caption, const QString& question);
  void BuildIgnitionPage();
  void BuildEnginePage();
  void BuildSparkDistPage();
  void BuildRotorPage();
  void BuildCylinderPage();
  void BuildTachPage();
  void BuildSparksPage();
  void BuildFallbackPage();
  void BuildSensorPage();
  QWidget* BuildButtons();
  QRadioButton* AddOption(QWidget* box, const char* name, const QString& text, std::function<void()> chosen);

  void Help();
  void Cancel();
  void Back();
  void Next();
  // Shows the current page and sets every control from the wizard's choices.
  void ShowChoices();
  void ShowSensor(int sensor);
  // Runs a handler's work; any error is shown and leaves the wizard as it was.
  void Guarded(const std::function<void()>& work);

  CurveWizard wizard_;
  Prompter& prompter_;
  std::function<void()> helpHandler_;
  QString tag_ = kCancelled;

  QStackedWidget* pages_ = nullptr;
  std::array<QGroupBox*, CurveWizard::kPages> frames_{};
  QComboBox* cboIgnitionType_ = nullptr;
  std::array<QRadioButton*, 2> optEngine_{};     // 2 Cycle, 4 Cycle
  std::array<QRadioButton*, 2> optSparkDist_{};  // Coil, Distributor
  std::array<QRadioButton*, 2> optRotorPos_{};   // Cam, Crank
  std::array<QRadioButton*, 9> optCylinders_{};  // by count; 0 = the custom option
  QComboBox* cboChngCustCylAngle_ = nullptr;
  QComboBox* cboTachType_ = nullptr;
  std::array<QRadioButton*, 4> optSparks_{};  // by count 1..3
  QComboBox* cboCurveFallback_ = nullptr;
  std::array<SensorControls, 2> sensors_{};
  std::array<QPushButton*, 4> cmdNav_{};  // Help, Cancel, Back, Next/Finished
};

}  // namespace curvedesk
