// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include "twip_placement.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QWidget>

namespace lx {

// A top-level window that offers its life as signals controls can bind to
// (Load, Activate, Resize, Unload, KeyDown with key preview), its geometry in
// twips (Left, Top, Width, Height, Move: the outer frame) and its controls in creation order.
class LX_EXPORT Form : public QWidget, public TwipPlacement<Form> {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name)
    Q_PROPERTY(float Left READ Left WRITE setLeft)
    Q_PROPERTY(float Top READ Top WRITE setTop)
    Q_PROPERTY(float Width READ Width WRITE setWidth)
    Q_PROPERTY(float Height READ Height WRITE setHeight)
    Q_PROPERTY(float ScaleLeft READ ScaleLeft)
    Q_PROPERTY(float ScaleTop READ ScaleTop)
    Q_PROPERTY(float ScaleWidth READ ScaleWidth)
    Q_PROPERTY(float ScaleHeight READ ScaleHeight)
    Q_PROPERTY(int WindowState READ WindowState WRITE setWindowState)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE setKeyPreview)

public:
    enum WindowStateCode { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    QString Name() const { return objectName(); }

    // Client area in twips; the scale always starts at 0, 0.
    float ScaleLeft() const { return 0.0f; }
    float ScaleTop() const { return 0.0f; }
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Sets the client area's size in twips.
    void setClientSize(float width, float height);

    int WindowState() const;
    void setWindowState(int state);

    bool KeyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

    // The form's controls in the order they were created.
    const QList<QWidget*>& Controls() const { return m_controls; }
    void addControl(QWidget* control);

    // Ends the program at once: the event loop is left and no Unload reaches
    // any form.
    static void EndProgram();
    static bool programEnding();

    void setVisible(bool visible) override;

signals:
    // Once, before the window is first shown.
    void Load();
    // The window became the active window.
    void Activate();
    // The client area changed size.
    void Resize();
    // The user or the window system asks the form to close; set Cancel to a
    // non-zero value to refuse.
    void Unload(int& Cancel);
    // A key went down anywhere in the form (with key preview on, before the
    // focused control). Set KeyCode to 0 to cancel the key-down; what the
    // key types still reaches the control.
    void KeyDown(int& KeyCode, int Shift);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TwipPlacement<Form>;
    QRectF twipPlacement() const; // the outer frame
    void setTwipPlacement(const QRectF& twips);
    QMargins frameMargins() const;
    bool handlePreviewKey(class QKeyEvent& key);
    void previewAndDeliver(QWidget* target, QKeyEvent& key);

    bool m_loaded = false;
    bool m_keyPreview = false;
    QRectF m_outerTwips;
    QList<QWidget*> m_controls;
    // Key presses this form previewed and is now handing on.
    QList<const QEvent*> m_delivering;
};

} // namespace lx
