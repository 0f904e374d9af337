#include "app/qt_adapter.h"

#include "app/form_window.h"
#include "app/qt_platform.h"
#include "worksheets/form.h"

#include <QApplication>
#include <algorithm>

namespace korveld {

QtAdapter::QtAdapter(Program& program, QtPlatform& platform) : m_program(program), m_platform(platform) {
    m_program.setListener(this);
    m_platform.attach(this);
}

QtAdapter::~QtAdapter() {
    m_program.setListener(nullptr);
    m_platform.attach(nullptr);
    for (auto& window : m_windows) {
        window->detach();
    }
}

void QtAdapter::dispatch(const std::function<void()>& handler) {
    if (m_ending) {
        return;
    }
    m_program.dispatch(handler);
    renderAll();
}

void QtAdapter::renderAll() {
    if (m_ending || m_rendering) {
        return;
    }
    m_rendering = true;
    for (auto& window : m_windows) {
        window->render();
    }
    m_rendering = false;
    applyPendingRequests();
}

void QtAdapter::applyPendingRequests() {
    if (m_pendingActivation != nullptr) {
        if (FormWindow* window = windowOf(*m_pendingActivation); window != nullptr && window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
        m_pendingActivation = nullptr;
    }
    if (m_pendingFocus != nullptr) {
        // A focus request for a control that cannot take the focus is dropped instead of failing.
        QWidget* widget = widgetOf(*m_pendingFocus);
        if (widget != nullptr && widget->isVisible() && widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
        }
        m_pendingFocus = nullptr;
    }
}

FormWindow* QtAdapter::windowOf(const Form& form) const {
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [&form](const auto& window) { return &window->form() == &form; });
    return it == m_windows.end() ? nullptr : it->get();
}

FormWindow* QtAdapter::windowOfHandle(std::uintptr_t hWnd) const {
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [hWnd](const auto& window) { return window->form().hWnd() == hWnd; });
    return it == m_windows.end() ? nullptr : it->get();
}

QWidget* QtAdapter::widgetOf(const Control& control) const {
    FormWindow* window = windowOf(control.form());
    return window != nullptr ? window->widgetOf(control) : nullptr;
}

void QtAdapter::requestFocus(Control& control) {
    m_pendingFocus = &control;
}

void QtAdapter::requestActivation(Form& form) {
    m_pendingActivation = &form;
}

void QtAdapter::endProgram() {
    m_ending = true;
    for (auto& window : m_windows) {
        window->detach();
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void QtAdapter::formLoaded(Form& form) {
    m_windows.push_back(std::make_unique<FormWindow>(form, *this));
}

void QtAdapter::formUnloaded(Form& form) {
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [&form](const auto& window) { return &window->form() == &form; });
    if (it == m_windows.end()) {
        return;
    }
    if (m_pendingFocus != nullptr && &m_pendingFocus->form() == &form) {
        m_pendingFocus = nullptr;
    }
    if (m_pendingActivation == &form) {
        m_pendingActivation = nullptr;
    }
    FormWindow* window = it->release();
    m_windows.erase(it);
    window->detach();
    window->hide();
    // The window may be inside one of its own signals: delete it from the event loop.
    window->deleteLater();
}

} // namespace korveld
