// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "support/recording_message_box.h"

#include <QTest>

namespace {

// An object whose handler fails without a guard of its own.
class Failing : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw lx::RuntimeError(lx::ErrorNumber::SubscriptOutOfRange);
        }
        return QObject::event(event);
    }
};

} // namespace

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void storesUnderTheCalculatorsName() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("LxTervan"));
    }

    void unguardedHandlerFailureIsReported() {
        lx::test::RecordingMessageBox messages;
        lx::error_guard::setMessageBox(&messages);
        Failing failing;
        QEvent sent(QEvent::User);
        QCoreApplication::sendEvent(&failing, &sent);
        QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
        QTRY_COMPARE(messages.messages.size(), 2);
        lx::error_guard::setMessageBox(nullptr);
        QCOMPARE(messages.messages[0].text,
                 QStringLiteral("Run-time error 9: Subscript out of range"));
    }
};

int main(int argc, char* argv[]) {
    lx::Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_application.moc"
