// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "app/toolkit/widget_control.h"

class QColor;
class QPalette;
class QRadioButton;

namespace tarnivo::tk {

// Option button. The options of one container form one group in which one at most is
// selected; selecting an unselected one, by the user or by setValue(true), clears the
// others and raises Click with its index before the setter returns.
class OptionButton : public WidgetControl {
public:
    std::function<void(int index)> onClick;

    [[nodiscard]] bool value() const;
    void setValue(bool selected);

protected:
    void create(const Design& design) override;

private:
    friend class OptionWidget;
    void userToggled(bool checked);
    // The colour of the circle's edge in `scheme`, clear of the container's background.
    [[nodiscard]] QColor edgeColour(const QPalette& scheme) const;
    QRadioButton* radio_ = nullptr;
    bool settingValue_ = false;
};

}  // namespace tarnivo::tk
