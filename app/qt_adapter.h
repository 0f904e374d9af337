// The one generic adapter between the window models and Qt: a real window for every loaded form,
// user events forwarded to the models' handlers, and after each handler every loaded window
// rendered again from its model.
#pragma once

#include "worksheets/program.h"

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace korveld {

class Control;
class Form;
class FormWindow;
class QtPlatform;

class QtAdapter : public QObject, public FormListener {
public:
    QtAdapter(Program& program, QtPlatform& platform);
    ~QtAdapter() override;

    Program& program() { return m_program; }
    QtPlatform& platform() { return m_platform; }

    // Runs a user event's handler through the program, then renders every window.
    void dispatch(const std::function<void()>& handler);
    // The same for an event of one window (a click, a key, its timer): message boxes and help
    // pop-ups the handler shows belong to that window.
    void dispatchFrom(Form& origin, const std::function<void()>& handler);
    // Brings every widget of every loaded window in line with its model.
    void renderAll();
    bool rendering() const { return m_rendering; }

    FormWindow* windowOf(const Form& form) const;
    FormWindow* windowOfHandle(std::uintptr_t hWnd) const;
    QWidget* widgetOf(const Control& control) const;

    // The visible dialog that `owner` showed, or nullptr.
    FormWindow* dialogOf(const Form& owner) const;
    // Raises the dialog of a window and gives it the focus; false when the window has none showing.
    bool bringDialogForward(const Form& owner);
    // The window a message box or a help pop-up is about: the window of the running event, or
    // the dialog it waits on while it is disabled; else the active window. Never a hidden or a
    // disabled window; nullptr when there is none.
    QWidget* messageOwner() const;

    // The frame the window system puts around a window, once one window has been framed.
    std::optional<QMargins> learntFrameMargins() const { return m_frameMargins; }
    void learnFrameMargins(const QMargins& margins) { m_frameMargins = margins; }

    // Applied after the next render, when the widgets show the model's state.
    void requestFocus(Control& control);
    void requestActivation(Form& form);

    // Closes every window and leaves the event loop.
    void endProgram();
    bool ending() const { return m_ending; }

    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;

private:
    void applyPendingRequests();

    Program& m_program;
    QtPlatform& m_platform;
    std::vector<std::unique_ptr<FormWindow>> m_windows;
    Control* m_pendingFocus = nullptr;
    Form* m_pendingActivation = nullptr;
    Form* m_eventOrigin = nullptr;
    std::optional<QMargins> m_frameMargins;
    bool m_rendering = false;
    bool m_ending = false;
};

} // namespace korveld
