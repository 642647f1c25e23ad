#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QTextBrowser;

namespace curvedesk {

// The program's help: a contents list of the HTML pages in the help folder beside a page viewer.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  // Raises ErrHelpViewer when the help folder has no contents page.
  HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

  QTextBrowser* Viewer() const { return viewer_; }
  QListWidget* Contents() const { return contents_; }

 private:
  void ShowPage(const QString& fileName);

  QListWidget* contents_;
  QTextBrowser* viewer_;
};

// <data>/help
QString HelpFolder(const std::string& dataDir);

}  // namespace curvedesk
