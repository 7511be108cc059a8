// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace quorvane {
struct ProgramState;
}

namespace quorvane::gui {

// The product's name, the season and the version.
class FormAboutUs final : public QDialog {
    Q_OBJECT
  public:
    explicit FormAboutUs(const ProgramState& state, QWidget* parent = nullptr);
};

}  // namespace quorvane::gui
