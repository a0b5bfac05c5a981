#pragma once

#include "app/frm_tervan.h"
#include "platform/settings_store.h"
#include "support/fake_window_system.h"
#include "support/recording_message_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace lx::test {

// The real calculator window over a settings file in a temporary folder,
// with messages recorded and the window system faked.
struct FormFixture {
    QTemporaryDir folder;
    FakeWindowSystem windowSystem;
    RecordingMessageBox messages;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<FrmTervan> form;

    QString settingsFile() const { return folder.filePath(QStringLiteral("settings.ini")); }

    void open() {
        settings = std::make_unique<SettingsStore>(settingsFile());
        form = std::make_unique<FrmTervan>(settings.get());
        form->setMessageBox(messages);
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    template <typename T = QWidget> T* control(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }
};

} // namespace lx::test
