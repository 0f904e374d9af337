// The real window of one form model: a widget per control at its twip position, the menu bar,
// the timers; user events go to the model through the adapter, and render() copies the model's
// state into the widgets, setting only what differs.
#pragma once

#include "worksheets/control.h"

#include <QHash>
#include <QMainWindow>
#include <QMargins>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QStyle;
class QTimer;

namespace korveld {

class Form;
class MenuEntry;
class QtAdapter;
class Timer;

class FormWindow : public QMainWindow {
public:
    FormWindow(Form& form, QtAdapter& adapter);
    ~FormWindow() override;

    Form& form() const { return m_form; }
    QWidget* clientArea() const { return m_client; }
    QWidget* widgetOf(const Control& control) const;
    Control* controlOf(const QObject* widget) const;
    QAction* actionOf(const MenuEntry& entry) const;

    void render();
    // The model is gone: the window ignores every event until it is deleted.
    void detach() { m_detached = true; }

    // Where the frame's top-left goes when the window is shown next: the position the user last
    // gave it, or else its design position, moved inside the free area of the screen.
    QPoint framePositionForShow() const;
    // The window system's frame around the client area, as learnt from a framed window or, until
    // one has been framed, the classic frame of the window's border style.
    QMargins expectedFrameMargins() const;
    // Shown, and not yet placed against the frame the window system gave it.
    bool placementPending() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlBinding {
        Control* control;
        QWidget* widget;
        std::optional<Font> renderedFont;
        std::optional<Colour> renderedColour;
        bool styled = false; // font and colour rendered at least once
    };
    struct MenuBinding {
        MenuEntry* entry;
        QAction* action;
    };
    struct TimerBinding {
        Timer* timer;
        QTimer* qtimer;
        std::uint32_t generation;
        bool running;
    };

    void buildControl(Control& control);
    void buildMenu(MenuEntry& entry, QWidget* parent);
    void buildTimer(Timer& timer);
    void renderWindow();
    void applyOuterSize(const QSize& outer);
    void renderControl(ControlBinding& binding);
    void renderMenu(const MenuBinding& binding);
    void renderTimer(TimerBinding& binding);
    void forward(const std::function<void()>& handler);
    // Before the window shows: a dialog becomes a transient window of its owner, and the window is
    // placed on screen.
    void prepareToShow();
    // Once the window system has framed the window: at its place with the real frame, wholly inside
    // the screen; retried until the frame is there.
    void framed();
    // Each option group is one Tab stop: the chosen option, or the first a user can reach.
    void renderOptionGroupStops();
    // An arrow key on an option: the next or previous option of its group that a user can reach is
    // chosen as a click chooses it. True when the key was used.
    bool optionArrowKey(Control& option, const QKeyEvent& key);
    void helpKey();
    // F1 on a highlighted menu entry: the entry's topic, or the window's.
    bool menuHelpKey(QMenu& menu, const QKeyEvent& key);
    // Ctrl+C in a control: true when the window copied; text selected in an entry is left to it.
    bool copyKey(QObject* watched, const QKeyEvent& key);

    Form& m_form;
    QtAdapter& m_adapter;
    // Declared before the client area: creating a child sends this window events, and event()
    // reads it while the rest of the members are still being built.
    bool m_detached = false;
    QWidget* m_client;
    QStyle* m_indicatorStyle; // options and check boxes; owned by the window
    std::vector<ControlBinding> m_controls;
    QHash<const QObject*, std::size_t> m_controlIndex;
    std::vector<MenuBinding> m_menus;
    std::vector<TimerBinding> m_timers;
    // The options of each group, in the window's order.
    std::vector<std::vector<Control*>> m_optionGroups;
    QSize m_renderedClient;
    std::optional<QPoint> m_lastFramePosition; // where the window stood when it was last hidden
    bool m_framePending = false;               // shown, not yet checked against the screen
    QTimer* m_frameWatch = nullptr;            // looks for the window manager's frame after a show
    int m_frameChecks = 0;
    QPoint m_placedAt; // where the frame goes once the window manager has framed the window
};

} // namespace korveld
