#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace curvedesk {

// The node dialog ("Spark Advance"): the RPM and crank angle of one node of one plot, typed as
// whole numbers. It only collects the texts; the graph view checks and stores them.
class FormSparkAdvance : public QDialog {
  Q_OBJECT
 public:
  explicit FormSparkAdvance(QWidget* parent = nullptr);

  // Fills the fields and shows the dialog modal over its owner window; returns the result tag:
  // "1" for OK, "2" for Cancel or a closed dialog.
  QString Ask(int rpm, int angle);

  QString RpmText() const;
  QString AngleText() const;
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Answer(const QString& tag);

  QLineEdit* txtRPM_;
  QLineEdit* txtAngle_;
  QString tag_;
};

}  // namespace curvedesk
