#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/document/CurveDocument.h"
#include "core/document/DifferenceRows.h"

class QLabel;
class QTreeWidget;

namespace curvedesk {

class ComparisonCurve;
class GraphView;

// The difference list (lstDifferences): what differs between the curve being edited and the
// comparison curve, under the captions the window shows, grouped as the configuration and each sensor
// state, with the edited value, the comparison's value and their difference. It follows the document
// and the comparison as they change. Choosing a row of a sensor state shows that state; a node row
// also rings that node on the graph.
class DifferenceList : public QWidget {
  Q_OBJECT
 public:
  // custName names the custom cylinder layout; it is read at every refresh.
  DifferenceList(CurveDocument& document, std::shared_ptr<ComparisonCurve> comparison, const std::string& custName,
                 GraphView& graph, QWidget* parent = nullptr);
  ~DifferenceList() override;

  QTreeWidget* Tree() const { return tree_; }
  // The line above the list: which files are compared, or why there is nothing to list.
  QString Status() const;

 private:
  // A drag changes the curve at the pointer's rate; the list then follows it at a calmer rate, so
  // the graph keeps up with the pointer, and catches up when the pointer is let go.
  void DocumentChanged();
  void Refresh();
  // The texts of rows already listed, in their order.
  void ShowValues(const std::vector<DifferenceRow>& rows);
  void RowChosen();

  CurveDocument& document_;
  std::shared_ptr<ComparisonCurve> comparison_;
  const std::string& custName_;
  GraphView& graph_;
  int documentSubscription_ = 0;
  int comparisonSubscription_ = 0;
  QLabel* status_;
  QTreeWidget* tree_;
  std::vector<DifferenceRow> shownRows_;
  QTimer dragRefresh_;
};

}  // namespace curvedesk
