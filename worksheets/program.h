// The running program: the program-wide variables, the platform, and every window model, each
// created on first use by a registered factory. The start screen stays loaded for the whole run.
#pragma once

#include "engine/universal_variables.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace korveld {

class Form;
class Platform;
class Program;
class frmSelection;

enum class FormId : std::size_t { frmSelection, frmtxvCapacity, frmkorveld, frmResults, frmPerCentBleed, Count };

using FormFactory = std::unique_ptr<Form> (*)(Program& program);

// Told when a window model is loaded (before its Form_Load runs) and when it is unloaded
// (after its Form_Unload ran, while the model still exists).
class FormListener {
public:
    virtual ~FormListener() = default;
    virtual void formLoaded(Form& form) = 0;
    virtual void formUnloaded(Form& form) = 0;
};

class Program {
public:
    explicit Program(Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    Universal_Variables& uv() { return m_uv; }
    const Universal_Variables& uv() const { return m_uv; }
    Platform& platform() { return m_platform; }
    void setListener(FormListener* listener) { m_listener = listener; }

    // Loads and shows the start screen.
    void start();
    frmSelection& selectionScreen();

    void registerForm(FormId id, FormFactory factory);
    template <class T>
    void registerForm() {
        registerForm(T::kFormId,
                     [](Program& program) -> std::unique_ptr<Form> { return std::make_unique<T>(program); });
    }
    bool hasForm(FormId id) const { return m_factories[index(id)] != nullptr; }

    // The window, created and loaded on first use; nullptr when no factory is registered.
    Form* load(FormId id);
    template <class T>
    T& form() {
        return static_cast<T&>(*load(T::kFormId));
    }
    // The window if it is loaded, else nullptr.
    Form* loaded(FormId id) const { return m_forms[index(id)].get(); }
    template <class T>
    T* loaded() const {
        return static_cast<T*>(loaded(T::kFormId));
    }

    // Runs Form_Unload, hides the window, tells the listener, and keeps the model alive until the
    // outermost handler has returned (see dispatch), or until the next load or destroyUnloaded
    // outside any handler.
    void unload(Form& form);

    // Runs one event's handler. Windows unloaded meanwhile are destroyed once the outermost
    // handler has returned, so a window can unload itself from inside its own handler.
    template <class Fn>
    void dispatch(Fn&& handler) {
        DispatchScope scope(*this);
        handler();
    }
    // Destroys the windows unloaded so far; only outside every handler.
    void destroyUnloaded();

    // Back to the program as it was constructed, before start(): every window unloaded (the
    // listener is told; no Form_Unload runs) and kept for reuse as its constructor left it, and
    // the program-wide variables at their initial values. A window loaded again afterwards runs
    // Form_Load as a new one does. Only outside every handler; for runs without real windows,
    // where building the windows again for each run would cost more than the run.
    void reset();

private:
    class DispatchScope {
    public:
        explicit DispatchScope(Program& program) : m_program(program) { ++m_program.m_dispatchDepth; }
        ~DispatchScope() {
            if (--m_program.m_dispatchDepth == 0) {
                m_program.destroyUnloaded();
            }
        }
        DispatchScope(const DispatchScope&) = delete;
        DispatchScope& operator=(const DispatchScope&) = delete;

    private:
        Program& m_program;
    };

    static std::size_t index(FormId id) { return static_cast<std::size_t>(id); }

    Universal_Variables m_uv;
    Platform& m_platform;
    FormListener* m_listener = nullptr;
    std::array<FormFactory, static_cast<std::size_t>(FormId::Count)> m_factories{};
    std::array<std::unique_ptr<Form>, static_cast<std::size_t>(FormId::Count)> m_forms;
    std::array<std::unique_ptr<Form>, static_cast<std::size_t>(FormId::Count)> m_spares; // reset, not loaded
    std::vector<std::unique_ptr<Form>> m_unloaded;
    int m_dispatchDepth = 0;
};

// Registers the factory of every window the program has; a new window adds one line here.
void registerStandardForms(Program& program);

} // namespace korveld
