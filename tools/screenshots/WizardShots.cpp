#include <QAbstractButton>
#include <QComboBox>

#include "Shots.h"
#include "core/common/Prompter.h"
#include "core/model/AppContext.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/ui/FormWizard.h"

namespace curvedesk::shots {

namespace {

class SilentPrompter : public Prompter {
 public:
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

void Click(QWidget& window, const char* name) { window.findChild<QAbstractButton*>(name)->click(); }

// Every page of the wizard for the ignition that offers everything, with coils, a crank rotor, the custom
// cylinder layout and an analog first sensor, so the edition's custom layouts show.
void TakeEditionShots(const QString& folder, Edition edition, const QString& prefix) {
  AppContext context;
  context.edition = edition;
  ReadIgnitionDescriptions(context.ignitionDescriptions, {CURVEDESK_SOURCE_DATA_DIR, CURVEDESK_SOURCE_DATA_DIR});
  SilentPrompter prompter;
  CurveData curve;
  FormWizard wizard(context, curve, prompter);
  wizard.SetHelpHandler([] {});  // as in the program, which always has a help window to open
  wizard.show();
  auto* ignitions = wizard.findChild<QComboBox*>("cboIgnitionType");
  const int fullFeatured = ignitions->findText("Full Featured");
  ignitions->setCurrentIndex(fullFeatured);
  emit ignitions->activated(fullFeatured);
  for (int page = 0; page < CurveWizard::kPages; ++page) {
    if (page == 2) Click(wizard, "optSparkDistCoil");
    if (page == 3) Click(wizard, "optRotorCrank");
    if (page == 4) Click(wizard, "optCylCustom");
    if (page == 8) {
      auto* sensor1 = wizard.findChild<QComboBox*>("cboSensor1Type");
      sensor1->setCurrentIndex(kSensorAnalog);
      emit sensor1->activated(kSensorAnalog);
    }
    Save(wizard, folder, QStringLiteral("%1-page%2").arg(prefix).arg(page));
    if (page < CurveWizard::kLastPage) Click(wizard, "cmdNav3");
  }
}

}  // namespace

void TakeWizardShots(const QString& folder) {
  TakeEditionShots(folder, Edition::Full, "wizard-full");
  TakeEditionShots(folder, Edition::Compact, "wizard-compact");
}

}  // namespace curvedesk::shots
