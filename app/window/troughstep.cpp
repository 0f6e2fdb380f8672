#include "app/window/troughstep.h"

#include <QScrollBar>

#include <algorithm>

namespace w4 {

void SetTroughStep(QScrollBar* bar, int step)
{
    bar->setPageStep(1);
    // The slider position has already moved by the page step here, the value not yet: the
    // position is set again from the value, and the value follows it as for any trough click.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, step](int action) {
        if (action == QAbstractSlider::SliderPageStepAdd)
            bar->setSliderPosition(std::min(bar->maximum(), bar->value() + step));
        else if (action == QAbstractSlider::SliderPageStepSub)
            bar->setSliderPosition(std::max(bar->minimum(), bar->value() - step));
    });
}

} // namespace w4
