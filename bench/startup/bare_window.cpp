// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's widgets in a plain Qt window, with none of the program's
// own layers: the yardstick the start-up benchmark compares against.
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

namespace {

void addField(QWidget* frame, const QString& caption, int left, int top, int width) {
    auto* label = new QLabel(caption, frame);
    label->setGeometry(left, top + 3, 25, 19);
    auto* box = new QLineEdit(frame);
    box->setGeometry(left + 27, top, width, 22);
}

QToolButton* button(QWidget* parent, const QString& caption, const QString& icon, QRect where) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setIcon(QIcon(icon));
    b->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                            : Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setGeometry(where);
    return b;
}

// The details area: a caption line with a Copy button over the calculator's table, with the
// same row and column names, so that both windows shape and fall back to the same glyphs (the
// subscripts of the Bayes factors' names are in few fonts). The last row, shown only for
// whole-number means, is hidden at start-up there too.
int addDetails(QWidget* window, const QString& images, int top) {
    auto* line = new QFrame(window);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, top, 332, 24);
    auto* caption = new QLabel("Details", window);
    caption->setGeometry(6, top + 4, 60, 16);
    button(window, "Copy", images + "copy.png", QRect(268, top + 2, 60, 20));
    const QStringList names = {QStringLiteral("t"),
                               QStringLiteral("df"),
                               QStringLiteral("p (two-tailed)"),
                               QStringLiteral("p (M1 > M2)"),
                               QStringLiteral("p (M1 < M2)"),
                               QStringLiteral("M1 \u2212 M2"),
                               QStringLiteral("95% CI"),
                               QStringLiteral("Cohen's d"),
                               QStringLiteral("95% CI of d"),
                               QStringLiteral("Hedges' g"),
                               QStringLiteral("95% CI of g"),
                               QStringLiteral("p range"),
                               QStringLiteral("BF\u2081\u2080 (r = 0.707)"),
                               QStringLiteral("BF\u208A\u2080 (M1 > M2)"),
                               QStringLiteral("Median of \u03B4"),
                               QStringLiteral("95% CrI of \u03B4"),
                               QStringLiteral("BF\u2081\u2080 (r = 0.500)"),
                               QStringLiteral("BF\u2081\u2080 (r = 1.000)"),
                               QStringLiteral("BF\u2081\u2080 (r = 1.414)"),
                               QStringLiteral("max BF\u2081\u2080 (r = \u2013)"),
                               QStringLiteral("Mean possible for whole-number data")};
    auto* table = new QTableWidget(static_cast<int>(names.size()), 2, window);
    table->setHorizontalHeaderLabels({"Student (equal SDs)", "Welch"});
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            table->setItem(row, column, new QTableWidgetItem(QString()));
        }
    }
    table->setVerticalHeaderLabels(names);
    table->setRowHidden(table->rowCount() - 1, true);
    table->setSpan(table->rowCount() - 1, 0, 1, 2);
    // Compact rows, all of them in sight, as in the calculator.
    const int rowHeight = table->fontMetrics().height() + 3;
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setFixedHeight(rowHeight + 2);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const int height = (rowHeight + 2) + (table->rowCount() - 1) * rowHeight + 2;
    table->setGeometry(6, top + 27, 320, height);
    return 27 + height + 6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString images = argc > 1 ? QString::fromLocal8Bit(argv[1]) + u'/' : QString();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Student's t-test"));
    window.setWindowIcon(QIcon(images + "table_marked.png"));
    const bool details = argc > 2 && QString::fromLocal8Bit(argv[2]) == "details";

    auto* menu = new QFrame(&window);
    menu->setFrameShape(QFrame::HLine);
    menu->setGeometry(0, 0, 332, 28);
    button(&window, QString(), images + "door_closed.png", QRect(9, 3, 22, 22));
    button(&window, "Plot", images + "plot.png", QRect(45, 3, 63, 22))->setCheckable(true);
    button(&window, "Planning", images + "planning.png", QRect(111, 3, 71, 22))->setCheckable(true);
    button(&window, "Details", images + "details.png", QRect(185, 3, 70, 22))->setCheckable(true);
    button(&window, "On top", images + "check_empty.png", QRect(258, 3, 70, 22))
        ->setCheckable(true);

    const char* sets[2][4] = {{"First Set", "N1", "M1", "SD1"}, {"Second Set", "N2", "M2", "SD2"}};
    for (int i = 0; i < 2; ++i) {
        auto* frame = new QGroupBox(sets[i][0], &window);
        frame->setGeometry(6 + 162 * i, 33, 157, 100);
        addField(frame, sets[i][1], 9, 15, 49);
        addField(frame, sets[i][2], 9, 42, 115);
        addField(frame, sets[i][3], 9, 66, 115);
    }
    auto* result = new QGroupBox("Result", &window);
    result->setGeometry(6, 138, 322, 52);
    addField(result, "K", 12, 18, 52);
    addField(result, "t", 102, 18, 76);
    addField(result, "P", 204, 18, 82);
    button(&window, "Calculate (F5)", images + "table.png", QRect(18, 201, 127, 31));
    button(&window, "Clear All (Esc)", images + "cross_black.png", QRect(183, 201, 127, 31));
    window.setFixedSize(332, 240 + (details ? addDetails(&window, images, 240) : 0));
    window.show();
    return QApplication::exec();
}
