// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Designer plugin as Designer and a program's QUiLoader use it.
#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "controls/window/lx_form_pos.h"
#include "controls/window/lx_on_top.h"
#include "platform/form.h"
#include "platform/form_setup.h"

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace {

// The class of the first widget of a DOM XML text, or empty when it is no
// well-formed <ui> document.
QString domWidgetClass(const QString& xml) {
    QXmlStreamReader reader(xml);
    QString widgetClass;
    bool ui = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == QLatin1String("ui")) {
            ui = true;
        } else if (reader.name() == QLatin1String("widget") && widgetClass.isEmpty()) {
            widgetClass = reader.attributes().value(QLatin1String("class")).toString();
        }
    }
    return reader.hasError() || !ui ? QString() : widgetClass;
}

} // namespace

class TestDesignerPlugin : public QObject {
    Q_OBJECT

private slots:
    void offersTheFourControls();
    void loadsTheExampleForm_data();
    void loadsTheExampleForm();

private:
    QDesignerCustomWidgetCollectionInterface* collection();
    QPluginLoader m_loader{QStringLiteral(LX_DESIGNER_PLUGIN)};
};

QDesignerCustomWidgetCollectionInterface* TestDesignerPlugin::collection() {
    QObject* instance = m_loader.instance();
    if (!instance) {
        qWarning() << m_loader.errorString();
    }
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
}

void TestDesignerPlugin::offersTheFourControls() {
    QDesignerCustomWidgetCollectionInterface* plugin = collection();
    QVERIFY(plugin);
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : plugin->customWidgets()) {
        names << widget->name();
        QCOMPARE(domWidgetClass(widget->domXml()), widget->name());
        QCOMPARE(widget->group(), QStringLiteral("LxTervan"));
        QVERIFY(!widget->icon().isNull());
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(QFileInfo::exists(QStringLiteral(LX_SOURCE_DIR "/") + widget->includeFile()));
        // Made outside Designer the control is as a program makes it: running.
        std::unique_ptr<QWidget> made(widget->createWidget(nullptr));
        QCOMPARE(QLatin1String(made->metaObject()->className()), widget->name());
        auto* control = qobject_cast<lx::Control*>(made.get());
        QVERIFY(control && control->UserMode());
    }
    QCOMPARE(names, QStringList({"lx::LxButton", "lx::LxPanel", "lx::LxFormPos", "lx::LxOnTop"}));
}

void TestDesignerPlugin::loadsTheExampleForm_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("switch button") << "cmdOnTop" << QByteArray("Switch") << QVariant(true);
    QTest::newRow("16-bit margin") << "cmdOnTop" << QByteArray("DELTA") << QVariant(30);
    QTest::newRow("caption") << "cmdExit" << QByteArray("Caption") << QVariant("E&xit");
    QTest::newRow("layout code") << "cmdCalculate" << QByteArray("Alignment") << QVariant(1);
    QTest::newRow("empty panel caption") << "panMenu" << QByteArray("Caption") << QVariant("");
    QTest::newRow("minimum width") << "lxFormPos" << QByteArray("MinWidth") << QVariant(5000);
    QTest::newRow("centring") << "lxFormPos" << QByteArray("CenterForm") << QVariant(true);
    QTest::newRow("not on top") << "lxOnTop" << QByteArray("OnTop") << QVariant(false);
}

void TestDesignerPlugin::loadsTheExampleForm() {
    QFETCH(QString, control);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, stored);

    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(LX_DESIGNER_PLUGIN)).absolutePath());
    QFile file(QStringLiteral(LX_EXAMPLE_FORM));
    QVERIFY(file.open(QIODevice::ReadOnly));
    lx::Form form;
    QWidget* loaded = nullptr;
    lx::setupForm(form, [&] { loaded = loader.load(&file, &form); });
    QVERIFY2(loaded, qPrintable(loader.errorString()));

    auto* found = form.findChild<lx::Control*>(control);
    QVERIFY(found);
    QVERIFY(found->UserMode());
    QVERIFY(qobject_cast<lx::LxButton*>(found) || qobject_cast<lx::LxPanel*>(found) ||
            qobject_cast<lx::LxFormPos*>(found) || qobject_cast<lx::LxOnTop*>(found));
    QCOMPARE(found->property(property).toString(), stored.toString());
}

QTEST_MAIN(TestDesignerPlugin)
#include "test_designer_plugin.moc"
