// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "platform/form.h"
#include "platform/picture_surface.h"
#include "support/recording_message_box.h"

#include <QLineEdit>
#include <QTest>
#include <functional>

using lx::ErrorNumber;
using lx::RuntimeError;

Q_DECLARE_METATYPE(std::function<void()>)

// A failure nobody planned for is told in an "Error!" box and never crosses
// the toolkit: the window and what it holds stay.
class TestErrorGuard : public QObject {
    Q_OBJECT

    lx::test::RecordingMessageBox m_messages;

    static void fail() { throw RuntimeError(ErrorNumber::Overflow); }

private slots:
    void initTestCase() { lx::error_guard::setMessageBox(&m_messages); }
    void cleanupTestCase() { lx::error_guard::setMessageBox(nullptr); }
    void init() { m_messages.messages.clear(); }

    void reportNamesNumberAndText_data() {
        QTest::addColumn<std::function<void()>>("failure");
        QTest::addColumn<QString>("text");
        QTest::newRow("run-time error")
            << std::function<void()>(fail) << "Run-time error 6: Overflow";
        QTest::newRow("described run-time error")
            << std::function<void()>([] { throw RuntimeError(ErrorNumber::TypeMismatch, "N1"); })
            << "Run-time error 13: N1";
        QTest::newRow("other exception")
            << std::function<void()>([] { throw std::length_error("too long"); })
            << "Run-time error: too long";
    }
    void reportNamesNumberAndText() {
        QFETCH(std::function<void()>, failure);
        QVERIFY(!lx::guarded(failure));
        QCOMPARE(m_messages.messages.size(), 1);
        QTEST(m_messages.messages[0].text, "text");
        QCOMPARE(m_messages.messages[0].title, QStringLiteral("Error!"));
    }

    void paintReportsOnceTheLoopIsFree() {
        lx::guarded(fail, lx::error_guard::Report::Later);
        QVERIFY(m_messages.messages.isEmpty());
        QTRY_COMPARE(m_messages.messages.size(), 1);
    }

    void entryPointsReportAndGoOn() {
        struct EntryPoint {
            const char* name;
            std::function<void(lx::Form&, lx::PictureSurface&)> arm;
            std::function<void(lx::Form&, QLineEdit&, lx::PictureSurface&)> trigger;
        };
        const EntryPoint entryPoints[] = {
            {"key preview",
             [](lx::Form& form, lx::PictureSurface&) {
                 connect(&form, &lx::Form::KeyDown, &form, [](int&, int) { fail(); });
             },
             [](lx::Form&, QLineEdit& edit, lx::PictureSurface&) {
                 QTest::keyClick(&edit, Qt::Key_F5);
             }},
            {"resize",
             [](lx::Form& form, lx::PictureSurface&) {
                 connect(&form, &lx::Form::Resize, &form, fail);
             },
             [](lx::Form& form, QLineEdit&, lx::PictureSurface&) {
                 form.resize(form.width() + 10, form.height());
             }},
            {"mouse click",
             [](lx::Form&, lx::PictureSurface& face) {
                 connect(&face, &lx::PictureSurface::MouseUp, &face, fail);
             },
             [](lx::Form&, QLineEdit&, lx::PictureSurface& face) {
                 QTest::mouseClick(&face, Qt::LeftButton);
             }},
            {"close",
             [](lx::Form& form, lx::PictureSurface&) {
                 connect(&form, &lx::Form::Unload, &form, [](int&) { fail(); });
             },
             [](lx::Form& form, QLineEdit&, lx::PictureSurface&) { form.close(); }},
        };
        for (const EntryPoint& entry : entryPoints) {
            m_messages.messages.clear();
            lx::Form form;
            form.setKeyPreview(true);
            auto* edit = new QLineEdit(QStringLiteral("typed"), &form);
            auto* face = new lx::PictureSurface(&form);
            face->setGeometry(0, 40, 40, 20);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            entry.arm(form, *face);
            entry.trigger(form, *edit, *face);
            QVERIFY2(m_messages.messages.size() == 1, entry.name);
            QCOMPARE(m_messages.messages[0].text, QStringLiteral("Run-time error 6: Overflow"));
            QCOMPARE(edit->text(), QStringLiteral("typed"));
        }
    }
};

QTEST_MAIN(TestErrorGuard)
#include "test_error_guard.moc"
