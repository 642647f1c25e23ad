#include "gui/ui/FormCfgSparkDist.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgSparkDist::FormCfgSparkDist(const CurveData& curve, const IgnitionDescriptionTable& descriptions, QWidget* owner)
    : ConfigDialog("FormCfgSparkDist", QStringLiteral("Change Distribution Type"), owner),
      optSparkDistCoil_(new QRadioButton(QStringLiteral("Coil"))),
      optSparkDistDist_(new QRadioButton(QStringLiteral("Distributor"))) {
  optSparkDistCoil_->setObjectName(QStringLiteral("optSparkDistCoil"));
  optSparkDistDist_->setObjectName(QStringLiteral("optSparkDistDist"));
  auto* options = new QVBoxLayout(AddFrame(QStringLiteral("High Voltage Distribution")));
  options->addWidget(optSparkDistCoil_);
  options->addWidget(optSparkDistDist_);

  const std::array<bool, 2> offered = SparkDistsOffered(curve, descriptions);
  optSparkDistCoil_->setEnabled(offered[kSparkDistCoil]);
  optSparkDistDist_->setEnabled(offered[kSparkDistDistributor]);
  (curve.SparkDist == kSparkDistDistributor ? optSparkDistDist_ : optSparkDistCoil_)->setChecked(true);
}

int FormCfgSparkDist::ChosenSparkDist() const {
  return optSparkDistDist_->isChecked() ? kSparkDistDistributor : kSparkDistCoil;
}

}  // namespace curvedesk
