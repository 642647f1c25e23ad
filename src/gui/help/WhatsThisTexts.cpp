#include "gui/help/WhatsThisTexts.h"

#include <QWidget>

namespace curvedesk {

namespace {

struct WhatsThisText {
  const char* objectName;
  const char* text;
};

constexpr WhatsThisText kTexts[] = {
    {"txtIgnitionNameModel", "The ignition model this curve is made for."},
    {"txtNumCylinders", "The number of cylinders, or the name of the custom cylinder layout."},
    {"txtSparkDist", "How the high voltage reaches the plugs: a coil per spark or a distributor."},
    {"txtRotorPos", "Whether the trigger rotor turns with the camshaft or the crankshaft."},
    {"txtTachType", "The tach output: the number of cylinders the tachometer expects."},
    {"txtCurveFallback",
     "How far the engine speed must drop before the ignition goes back to the previous part of the curve; "
     "nodes stand at least this plus 50 RPM apart."},
    {"txtSensor1", "Sensor 1: none, digital, or analog with its switching voltage."},
    {"txtSensor2", "Sensor 2: none, digital, or analog with its switching voltage."},
    {"txtEngineType", "Two-stroke or four-stroke engine."},
    {"cboSensorSelect", "The sensor state whose graph is shown: the conditions of sensor 1 and sensor 2."},
    {"cboNumTransitions", "The number of nodes of each plot of this sensor state's graph."},
    {"cboNumSparks", "How many sparks the ignition fires per cycle in this sensor state."},
    {"cboCoilSat", "The coil, which sets the limits of the coil-on plot."},
    {"txtRevLimit", "The rev limit of this sensor state in RPM; empty for none."},
    {"txtRpmSw1Start", "The RPM at which RPM switch 1 turns on."},
    {"txtRpmSw1Stop", "The RPM at which RPM switch 1 turns off."},
    {"txtRpmSw2Start", "The RPM at which RPM switch 2 turns on."},
    {"txtRpmSw2Stop", "The RPM at which RPM switch 2 turns off."},
    {"txtGraphInfo", "Your note about this sensor state's graph; it is printed on the graph page."},
    {"picGraph",
     "The timing graph: crank angle over engine speed. Drag a node to move it, double-click it to type its "
     "values; drag the dashed line to change the rev limit. Click a node to select it: the arrow keys move it "
     "(with Shift ten steps), Tab goes to the next node, Enter types its values, Esc ends the selection."},
    {"tblNodes",
     "The nodes of the graph shown: type a value in a cell, select rows and press Interpolate (Ctrl+I), or "
     "copy and paste values with a spreadsheet (Ctrl+C, Ctrl+V)."},
    {"lstDifferences",
     "What differs between this curve and the comparison curve: the edited value, the comparison's value and "
     "their difference. Click a line to show its sensor state; a node line rings the node on the graph."},
};

}  // namespace

void ApplyWhatsThisTexts(QWidget& mainWindow) {
  for (const WhatsThisText& entry : kTexts)
    if (auto* widget = mainWindow.findChild<QWidget*>(QString::fromLatin1(entry.objectName)))
      widget->setWhatsThis(QString::fromLatin1(entry.text));
}

}  // namespace curvedesk
