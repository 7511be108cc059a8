// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "room/ChartData.h"

class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class BarChartView;

// A chart of the open draft with a button that saves it as a PNG file.
class ChartPanel : public QWidget {
    Q_OBJECT
  public:
    // The placeholder is the empty chart's title until the first figures arrive.
    ChartPanel(ProgramState& state, UserDialogs& dialogs, const QString& placeholder,
               QWidget* parent = nullptr);

    BarChartView* view() const { return m_view; }
    // Saves the chart; false after the failure was shown.
    bool exportTo(const QString& path);

  public slots:
    // Reads the chart's figures anew from core and draws them.
    void refresh();

  protected:
    // The figures of this panel's chart; nullopt when there is nothing to draw.
    virtual std::optional<ChartData> figures() = 0;

    ProgramState& m_state;
    UserDialogs& m_dialogs;

  private:
    void chooseExportFile();

    BarChartView* m_view;
    QPushButton* cmd_export_chart;
};

}  // namespace quorvane::gui
