#include "calculation.h"

#include "input_check.h"
#include "platform/number_text.h"
#include "stats/statistics.h"

#include <cmath>

namespace lx {

void Calculate(CalculatorView& view) {
    const QLocale locale;
    CalculatorInput in;
    if (const auto unusable = checkInput(view, locale, in)) {
        view.showMessage(unusable->message, QStringLiteral("Error!"),
                         MessageBox::Icon::Exclamation);
        // An empty box leaves the focus where it was; a wrong value is
        // handed back to the user to mend.
        if (!view.boxText(unusable->box).isEmpty()) {
            view.focusBox(unusable->box);
        }
        return;
    }

    double sem1 = in.sd1 / std::sqrt(static_cast<double>(in.n1));
    double sem2 = in.sd2 / std::sqrt(static_cast<double>(in.n2));
    const std::int32_t freedom = in.n1 + in.n2 - 2;
    view.setBoxText(Box::Freedom, number_text::fromLong(freedom, locale));

    Statistics statistics;
    double t = 0;
    statistics.TStudent(in.m1, sem1, in.m2, sem2, t);
    view.setBoxText(Box::Student, number_text::fromDouble(t, locale));

    QString p;
    statistics.PStudent(t, freedom, p);
    view.setBoxText(Box::P, p);

    view.focusBox(Box::N2);
}

} // namespace lx
