// The real window of one form model: a widget per control at its twip position, the menu bar,
// the timers; user events go to the model through the adapter, and render() copies the model's
// state into the widgets, setting only what differs.
#pragma once

#include "worksheets/control.h"

#include <QHash>
#include <QMainWindow>
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
    void helpKey();
    // Ctrl+C in a control: true when the window copied; text selected in an entry is left to it.
    bool copyKey(QObject* watched, const QKeyEvent& key);

    Form& m_form;
    QtAdapter& m_adapter;
    QWidget* m_client;
    QStyle* m_indicatorStyle; // options and check boxes; owned by the window
    std::vector<ControlBinding> m_controls;
    QHash<const QObject*, std::size_t> m_controlIndex;
    std::vector<MenuBinding> m_menus;
    std::vector<TimerBinding> m_timers;
    QSize m_renderedClient;
    bool m_detached = false;
};

} // namespace korveld
