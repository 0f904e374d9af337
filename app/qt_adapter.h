// The one generic adapter between the window models and Qt: a real window for every loaded form,
// user events forwarded to the models' handlers, and after each handler every loaded window
// rendered again from its model.
#pragma once

#include "worksheets/program.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
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
    // Brings every widget of every loaded window in line with its model.
    void renderAll();
    bool rendering() const { return m_rendering; }

    FormWindow* windowOf(const Form& form) const;
    FormWindow* windowOfHandle(std::uintptr_t hWnd) const;
    QWidget* widgetOf(const Control& control) const;

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
    bool m_rendering = false;
    bool m_ending = false;
};

} // namespace korveld
