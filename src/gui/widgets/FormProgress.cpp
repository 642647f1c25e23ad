#include "gui/widgets/FormProgress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

FormProgress::FormProgress(const QString& caption, QWidget* owner)
    // A tool window without a close button: the job decides when it goes.
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), lblProgress_(new QLabel(this)), prgProgress_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("FormProgress"));
  setWindowTitle(caption);
  lblProgress_->setObjectName(QStringLiteral("lblProgress"));
  lblProgress_->hide();
  prgProgress_->setObjectName(QStringLiteral("prgProgress"));
  prgProgress_->setRange(0, 100);
  prgProgress_->setValue(0);
  prgProgress_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->addWidget(lblProgress_);
  layout->addWidget(prgProgress_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FormProgress::ShowOverOwner() {
  adjustSize();
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  show();
  QApplication::processEvents();
}

void FormProgress::SetProgress(int percent) {
  prgProgress_->setValue(std::clamp(percent, 0, 100));
  QApplication::processEvents();
}

void FormProgress::SetLabel(const QString& text) {
  lblProgress_->setText(text);
  lblProgress_->setVisible(!text.isEmpty());
  QApplication::processEvents();
}

int FormProgress::Progress() const { return prgProgress_->value(); }

void FormProgress::CloseByProgram() {
  closing_ = true;
  close();
}

void FormProgress::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace curvedesk
