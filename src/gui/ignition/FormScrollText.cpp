#include "gui/ignition/FormScrollText.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

FormScrollText::FormScrollText(const QString& caption, QWidget* owner)
    : QWidget(owner, Qt::Tool), txtText_(new QPlainTextEdit(this)), cmdClose_(new QPushButton(tr("Close"), this)) {
  setObjectName(QStringLiteral("FormScrollText"));
  setWindowTitle(caption);
  txtText_->setObjectName(QStringLiteral("txtText"));
  txtText_->setReadOnly(true);
  // The byte lines are short; a long message (a verification that found a difference) wraps so it
  // is read whole without scrolling sideways.
  txtText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtText_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Wide enough for the 60-character rules of the log and a scroll bar.
  const QFontMetrics metrics(txtText_->font());
  txtText_->setMinimumSize(metrics.horizontalAdvance(QString(64, QLatin1Char('='))) + 40, metrics.lineSpacing() * 24);
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtText_, 1);
  layout->addLayout(buttons);
}

void FormScrollText::ShowOverOwner() {
  adjustSize();
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  show();
}

void FormScrollText::AddTextLine(const std::string& line) {
  // Appending at the end, not at the cursor: a click into the text must not move where lines go.
  txtText_->moveCursor(QTextCursor::End);
  // Messages carry CR LF line breaks; the text box wants LF.
  QString text = QString::fromStdString(line);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtText_->insertPlainText(text + QStringLiteral("\n"));
  txtText_->verticalScrollBar()->setValue(txtText_->verticalScrollBar()->maximum());
}

void FormScrollText::ClearText() { txtText_->clear(); }

QString FormScrollText::Text() const { return txtText_->toPlainText(); }

void FormScrollText::SetRunning(bool running) {
  running_ = running;
  cmdClose_->setEnabled(!running);
}

void FormScrollText::CloseByProgram() {
  closing_ = true;
  close();
}

void FormScrollText::closeEvent(QCloseEvent* event) {
  if (!closing_) tag_ = QStringLiteral("2");
  if (running_ && !closing_) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace curvedesk
