// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every property of the button and the panel survives a save and a reload
// through the writers a form meets: Qt Designer's own and QFormBuilder's;
// a 16-bit property refuses a value outside its range, also in Designer.
#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "platform/form.h"
#include "platform/form_setup.h"
#include "tests/support/recording_message_box.h"

#include <QBuffer>
#include <QImage>
#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUiLoader>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QFormBuilder>

namespace {

// Every designable property away from its default; the 16-bit ones at both
// ends of their range too.
const char* const StoredForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>RoundTrip</class>
 <widget class="QWidget" name="RoundTrip">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="lx::LxPanel" name="panTools">
   <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>120</height></rect></property>
   <property name="ShadowColor"><UInt>255</UInt></property>
   <property name="HighlightColor"><UInt>2147483653</UInt></property>
   <property name="BackColor"><UInt>65280</UInt></property>
   <property name="Panel"><bool>true</bool></property>
   <property name="Caption"><string>&amp;Tools</string></property>
   <property name="Alignment"><number>4</number></property>
   <property name="Font"><font><family>DejaVu Sans</family><pointsize>15</pointsize><bold>true</bold></font></property>
   <property name="ForeColor"><UInt>16711680</UInt></property>
   <property name="Docking"><number>-32768</number></property>
   <property name="BorderStyle"><number>2</number></property>
   <property name="ID"><number>123456</number></property>
  </widget>
  <widget class="lx::LxButton" name="cmdGo">
   <property name="geometry"><rect><x>10</x><y>150</y><width>120</width><height>40</height></rect></property>
   <property name="BackColor"><UInt>2147483653</UInt></property>
   <property name="Font"><font><family>DejaVu Sans</family><pointsize>13</pointsize></font></property>
   <property name="ForeColor"><UInt>255</UInt></property>
   <property name="MouseIcon"><pixmap>icon.png</pixmap></property>
   <property name="MousePointer"><number>99</number></property>
   <property name="Picture"><pixmap>icon.png</pixmap></property>
   <property name="Caption"><string>&amp;Go</string></property>
   <property name="DELTA"><number>90</number></property>
   <property name="LightBorderColor"><UInt>1</UInt></property>
   <property name="DarkBorderColor"><UInt>2</UInt></property>
   <property name="Alignment"><number>2</number></property>
   <property name="SelectedPicture"><pixmap>icon.png</pixmap></property>
   <property name="PressedPicture"><pixmap>icon.png</pixmap></property>
   <property name="FontSelected"><font><family>DejaVu Sans</family><pointsize>17</pointsize></font></property>
   <property name="FontPressed"><font><family>DejaVu Sans</family><pointsize>19</pointsize></font></property>
   <property name="ForeColorSelected"><UInt>3</UInt></property>
   <property name="ForeColorPressed"><UInt>4</UInt></property>
   <property name="Switch"><bool>true</bool></property>
   <property name="Value"><bool>true</bool></property>
   <property name="Shift"><number>30</number></property>
   <property name="ToolTipText"><string>tip</string></property>
   <property name="Rows"><number>-32768</number></property>
   <property name="Cols"><number>32767</number></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>lx::LxButton</class><extends>QWidget</extends><header>controls/button/lx_button.h</header></customwidget>
  <customwidget><class>lx::LxPanel</class><extends>QWidget</extends><header>controls/panel/lx_panel.h</header><container>1</container></customwidget>
 </customwidgets>
</ui>
)";

// The properties a designer lists for a control of our own.
QList<QMetaProperty> designable(const QObject& control) {
    QList<QMetaProperty> properties;
    const QMetaObject* meta = control.metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        if (meta->property(i).isDesignable()) {
            properties.append(meta->property(i));
        }
    }
    return properties;
}

// A comparable form of a property's value: pictures as images.
QVariant comparable(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QPixmap>()) {
        return value.value<QPixmap>().toImage();
    }
    return value;
}

} // namespace

class TestFormRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPropertySurvives_data();
    void everyPropertySurvives();
    void outOfRangeValueIsRefused_data();
    void outOfRangeValueIsRefused();

private:
    // The form as a program builds it from the file.
    std::unique_ptr<lx::Form> load(const QByteArray& ui);
    QByteArray writtenByDesigner();
    QByteArray writtenByFormBuilder();

    QTemporaryDir m_dir;
    // The form in Designer, as it opened StoredForm.
    QDesignerFormWindowInterface* m_window = nullptr;
};

void TestFormRoundTrip::initTestCase() {
    QVERIFY(m_dir.isValid());
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QPainter(&icon).fillRect(0, 0, 4, 4, Qt::blue);
    QVERIFY(icon.save(m_dir.filePath(QStringLiteral("icon.png"))));
    // Designer finds its plugins under the library paths.
    QCoreApplication::addLibraryPath(QStringLiteral(LX_PLUGIN_ROOT));

    QDesignerComponents::initializeResources();
    QDesignerFormEditorInterface* core = QDesignerComponents::createFormEditor(this);
    QDesignerComponents::initializePlugins(core);
    new QDesignerIntegration(core, core);
    m_window = core->formWindowManager()->createFormWindow();
    m_window->setFileName(m_dir.filePath(QStringLiteral("form.ui")));
    QVERIFY(m_window->setContents(QString::fromUtf8(StoredForm)));
}

std::unique_ptr<lx::Form> TestFormRoundTrip::load(const QByteArray& ui) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(LX_PLUGIN_ROOT "/designer"));
    loader.setWorkingDirectory(QDir(m_dir.path()));
    auto form = std::make_unique<lx::Form>();
    QBuffer file;
    file.setData(ui);
    file.open(QIODevice::ReadOnly);
    QWidget* loaded = nullptr;
    lx::setupForm(*form, [&] { loaded = loader.load(&file, form.get()); });
    if (!loaded) {
        qWarning() << loader.errorString();
        return nullptr;
    }
    return form;
}

QByteArray TestFormRoundTrip::writtenByDesigner() {
    return m_window->contents().toUtf8();
}

QByteArray TestFormRoundTrip::writtenByFormBuilder() {
    QFormBuilder builder;
    builder.setPluginPath({QStringLiteral(LX_PLUGIN_ROOT "/designer")});
    builder.setWorkingDirectory(QDir(m_dir.path()));
    QBuffer in;
    in.setData(StoredForm);
    in.open(QIODevice::ReadOnly);
    QWidget host;
    QWidget* form = nullptr;
    lx::setupForm(host, [&] { form = builder.load(&in, &host); });
    if (!form) {
        return {};
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    builder.save(&out, form);
    return out.data();
}

void TestFormRoundTrip::everyPropertySurvives_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("savesPictures");
    QTest::newRow("Qt Designer") << "designer" << true;
    // It knows no file of a picture it did not load itself, for any widget.
    QTest::newRow("QFormBuilder") << "formbuilder" << false;
}

void TestFormRoundTrip::everyPropertySurvives() {
    QFETCH(QString, writer);
    QFETCH(bool, savesPictures);
    const std::unique_ptr<lx::Form> stored = load(StoredForm);
    QVERIFY(stored);
    const QByteArray written =
        writer == QLatin1String("designer") ? writtenByDesigner() : writtenByFormBuilder();
    QVERIFY(!written.isEmpty());
    const std::unique_ptr<lx::Form> reloaded = load(written);
    QVERIFY(reloaded);

    const lx::LxButton freshButton;
    const lx::LxPanel freshPanel;
    for (const char* name : {"cmdGo", "panTools"}) {
        const auto* before = stored->findChild<lx::Control*>(name);
        const auto* after = reloaded->findChild<lx::Control*>(name);
        QVERIFY(before && after);
        const QObject& fresh = qobject_cast<const lx::LxButton*>(before)
                                   ? static_cast<const QObject&>(freshButton)
                                   : static_cast<const QObject&>(freshPanel);
        for (const QMetaProperty& property : designable(*before)) {
            const QByteArray what = QByteArray(name) + '.' + property.name();
            const QVariant value = comparable(property.read(before));
            // The stored form really sets it, so a lost value shows.
            QVERIFY2(value != comparable(property.read(&fresh)), what.constData());
            if (!savesPictures && property.metaType() == QMetaType::fromType<QPixmap>()) {
                continue;
            }
            QVERIFY2(comparable(property.read(after)) == value,
                     (what + "\n" + written).constData());
        }
    }
}

void TestFormRoundTrip::outOfRangeValueIsRefused_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("value");

    for (const char* property : {"MousePointer", "DELTA", "Alignment", "Shift", "Rows", "Cols"}) {
        QTest::addRow("button %s too big", property) << "cmdGo" << QByteArray(property) << 32768;
        QTest::addRow("button %s too small", property) << "cmdGo" << QByteArray(property) << -32769;
    }
    for (const char* property : {"Alignment", "Docking", "BorderStyle"}) {
        QTest::addRow("panel %s too big", property) << "panTools" << QByteArray(property) << 40000;
    }
}

void TestFormRoundTrip::outOfRangeValueIsRefused() {
    QFETCH(QString, control);
    QFETCH(QByteArray, property);
    QFETCH(int, value);

    // In a program the setter throws, as a caller can catch.
    std::unique_ptr<lx::Control> plain;
    if (control == QLatin1String("cmdGo")) {
        plain = std::make_unique<lx::LxButton>();
    } else {
        plain = std::make_unique<lx::LxPanel>();
    }
    plain->setUserMode(false);
    const QVariant kept = plain->property(property);
    QSignalSpy changed(plain.get(), &lx::Control::PropertyChanged);
    try {
        plain->setProperty(property, value);
        QFAIL("an out-of-range value was taken");
    } catch (const lx::RuntimeError& error) {
        QCOMPARE(error.number(), lx::ErrorNumber::Overflow);
    }
    QCOMPARE(plain->property(property), kept);
    QCOMPARE(changed.count(), 0);

    // In Designer the property editor's path has no caller to catch: the user
    // is told, and the form keeps the value it saves.
    lx::test::RecordingMessageBox messages;
    lx::error_guard::setMessageBox(&messages);
    auto* designed = m_window->mainContainer()->findChild<QWidget*>(control);
    QVERIFY(designed);
    const QVariant stored = designed->property(property);
    m_window->cursor()->setWidgetProperty(designed, QString::fromLatin1(property), value);
    lx::error_guard::setMessageBox(nullptr);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].text.contains(QLatin1String("6")));
    QCOMPARE(designed->property(property), stored);
}

QTEST_MAIN(TestFormRoundTrip)
#include "test_form_round_trip.moc"
