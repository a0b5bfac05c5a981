// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time per Calculate with the Details off, the work of one F5: six boxes read and checked, the
// degrees of freedom, t and the P class written, the summary handed on for a report nobody has
// asked for yet. Median of several passes over 10,000 varied inputs typed as text, through a
// view that only keeps the texts (the calculation's own cost) and through the real window off
// screen (what QLineEdit adds).
#include "app/calculation.h"
#include "app/frm_tervan.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Inputs = std::array<QString, 6>;

std::vector<Inputs> variedInputs(int count) {
    QRandomGenerator random(20261209);
    std::vector<Inputs> inputs;
    inputs.reserve(static_cast<std::size_t>(count));
    const auto number = [&](double value, int decimals) {
        return QString::number(value, 'f', decimals);
    };
    for (int k = 0; k < count; ++k) {
        const double m1 = 50 + 10 * (random.generateDouble() - 0.5);
        const double m2 = m1 + 8 * (random.generateDouble() - 0.5);
        inputs.push_back({QString::number(2 + random.bounded(500)), number(m1, 2),
                          number(0.1 + 20 * random.generateDouble(), 2),
                          QString::number(2 + random.bounded(500)), number(m2, 2),
                          number(0.1 + 20 * random.generateDouble(), 2)});
    }
    return inputs;
}

// Keeps the nine texts and nothing else.
class TextsOnly : public lx::CalculatorView {
public:
    QString boxText(lx::Box box) const override { return texts[index(box)]; }
    void setBoxText(lx::Box box, const QString& text) override { texts[index(box)] = text; }
    void showMessage(const QString&, const QString&, lx::MessageBox::Icon) override { ++messages; }
    void focusBox(lx::Box) override {}
    void showReport(const lx::Summary& summary, const lx::ReportRequest&) override {
        last = summary;
    }

    std::array<QString, 9> texts;
    lx::Summary last;
    int messages = 0;

private:
    static std::size_t index(lx::Box box) { return static_cast<std::size_t>(box); }
};

// Median microseconds per Calculate.
double medianMicroseconds(lx::CalculatorView& view, const std::vector<Inputs>& inputs, int passes) {
    std::vector<double> perCalculation;
    for (int pass = 0; pass < passes; ++pass) {
        std::chrono::duration<double, std::micro> elapsed{};
        for (const Inputs& six : inputs) {
            for (int box = 0; box < 6; ++box) { // typing is not the calculation's time
                view.setBoxText(static_cast<lx::Box>(box), six[static_cast<std::size_t>(box)]);
            }
            const auto start = std::chrono::steady_clock::now();
            lx::Calculate(view);
            elapsed += std::chrono::steady_clock::now() - start;
        }
        perCalculation.push_back(elapsed.count() / static_cast<double>(inputs.size()));
    }
    std::sort(perCalculation.begin(), perCalculation.end());
    return perCalculation[perCalculation.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const std::vector<Inputs> inputs = variedInputs(10000);

    TextsOnly texts;
    const double own = medianMicroseconds(texts, inputs, 7);
    const QTemporaryDir folder; // fresh settings: the Details switch starts off
    lx::SettingsStore settings(folder.filePath(QStringLiteral("settings.ini")));
    lx::FrmTervan window(&settings);
    const double inWindow = medianMicroseconds(window, inputs, 5);
    std::printf("calculations per pass: %zu (messages %d)\n", inputs.size(), texts.messages);
    std::printf("Calculate, Details off, view of texts only: %8.2f us\n", own);
    std::printf("Calculate, Details off, the real window:    %8.2f us\n", inWindow);
}
