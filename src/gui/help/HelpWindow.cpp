#include "gui/help/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/common/AppError.h"

namespace curvedesk {

namespace {

constexpr const char* kContentsPage = "index.html";
// One look for every page, so the pages hold only their text.
constexpr const char* kPageStyle =
    "body { font-family: sans-serif; }"
    "h1, h2 { color: #1f3a5f; }"
    "th { background-color: #e4ebf3; text-align: left; }";

// The page's <title>, or its file name when it has none.
QString PageTitle(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QFileInfo(path).fileName();
  static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                        QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = title.match(QString::fromUtf8(file.readAll()));
  return match.hasMatch() ? match.captured(1).trimmed() : QFileInfo(path).fileName();
}

}  // namespace

QString HelpFolder(const std::string& dataDir) { return QDir(QString::fromStdString(dataDir)).filePath("help"); }

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QDialog(parent), contents_(new QListWidget(this)), viewer_(new QTextBrowser(this)) {
  const QDir folder(helpFolder);
  if (!folder.exists(kContentsPage)) RaiseError(ErrHelpViewer, folder.filePath(kContentsPage).toStdString());

  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(tr("Help Topics"));
  setModal(false);
  contents_->setObjectName(QStringLiteral("lstHelpContents"));
  viewer_->setObjectName(QStringLiteral("txtHelpPage"));
  viewer_->setSearchPaths({helpFolder});
  viewer_->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));
  viewer_->setOpenExternalLinks(true);

  // The contents page first, the others in file-name order.
  QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  pages.removeAll(kContentsPage);
  pages.prepend(kContentsPage);
  for (const QString& page : pages) {
    auto* item = new QListWidgetItem(PageTitle(folder.filePath(page)), contents_);
    item->setData(Qt::UserRole, page);
  }
  connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) ShowPage(item->data(Qt::UserRole).toString());
  });

  auto* layout = new QHBoxLayout(this);
  contents_->setMinimumWidth(230);
  layout->addWidget(contents_, 1);
  layout->addWidget(viewer_, 3);
  resize(760, 520);
  contents_->setCurrentRow(0);
}

void HelpWindow::ShowPage(const QString& fileName) { viewer_->setSource(QUrl(fileName)); }

}  // namespace curvedesk
