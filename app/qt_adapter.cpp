#include "app/qt_adapter.h"

#include "app/form_window.h"
#include "app/qt_platform.h"
#include "worksheets/form.h"

#include <QApplication>
#include <QTimer>
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

void QtAdapter::dispatchFrom(Form& origin, const std::function<void()>& handler) {
    Form* outer = m_eventOrigin;
    m_eventOrigin = &origin;
    dispatch(handler);
    // The outer event's window may have been unloaded meanwhile.
    m_eventOrigin = outer != nullptr && windowOf(*outer) != nullptr ? outer : nullptr;
}

FormWindow* QtAdapter::dialogOf(const Form& owner) const {
    const auto it = std::find_if(m_windows.begin(), m_windows.end(), [&owner](const auto& window) {
        return window->form().owner() == &owner && window->form().visible() && window->isVisible();
    });
    return it == m_windows.end() ? nullptr : it->get();
}

bool QtAdapter::bringDialogForward(const Form& owner) {
    FormWindow* dialog = dialogOf(owner);
    if (dialog == nullptr) {
        return false;
    }
    // After the click or the activation has run its course, so the dialog keeps the focus.
    QPointer<FormWindow> ownerWindow = windowOf(owner);
    QTimer::singleShot(0, dialog, [dialog, ownerWindow] {
        // Not when the owner has been minimised meanwhile: the dialog went with it.
        if (dialog->isVisible() && ownerWindow != nullptr && !ownerWindow->isMinimized()) {
            dialog->raise();
            dialog->activateWindow();
        }
    });
    return true;
}

QWidget* QtAdapter::messageOwner() const {
    const auto usable = [](const QWidget* window) {
        return window != nullptr && window->isVisible() && window->isEnabled();
    };
    if (m_eventOrigin != nullptr) {
        FormWindow* origin = windowOf(*m_eventOrigin);
        if (usable(origin)) {
            return origin;
        }
        if (origin != nullptr && origin->isVisible()) {
            if (FormWindow* dialog = dialogOf(*m_eventOrigin); usable(dialog)) {
                return dialog;
            }
        }
    }
    if (QWidget* active = QApplication::activeWindow(); usable(active)) {
        return active;
    }
    return nullptr;
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
    if (m_eventOrigin == &form) {
        m_eventOrigin = nullptr;
    }
    FormWindow* window = it->release();
    m_windows.erase(it);
    window->detach();
    window->hide();
    // The window may be inside one of its own signals: delete it from the event loop.
    window->deleteLater();
}

} // namespace korveld
