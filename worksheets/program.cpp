#include "worksheets/program.h"

#include "worksheets/form.h"
#include "worksheets/frm_selection.h"

namespace korveld {

Program::Program(Platform& platform) : m_platform(platform) {
    registerStandardForms(*this);
}

Program::~Program() {
    // Controls of one window may refer to another window's controls: destroy all at once, after
    // the unloaded ones.
    m_unloaded.clear();
    for (auto& form : m_forms) {
        form.reset();
    }
    for (auto& form : m_spares) {
        form.reset();
    }
}

void Program::start() {
    load(FormId::frmSelection)->Show();
}

frmSelection& Program::selectionScreen() {
    return form<frmSelection>();
}

void Program::registerForm(FormId id, FormFactory factory) {
    m_factories[index(id)] = factory;
    m_spares[index(id)].reset();
}

Form* Program::load(FormId id) {
    destroyUnloaded();
    std::unique_ptr<Form>& slot = m_forms[index(id)];
    if (slot) {
        return slot.get();
    }
    const FormFactory factory = m_factories[index(id)];
    if (m_spares[index(id)]) {
        slot = std::move(m_spares[index(id)]);
    } else if (factory != nullptr) {
        slot = factory(*this);
    } else {
        return nullptr;
    }
    Form& form = *slot;
    if (m_listener != nullptr) {
        m_listener->formLoaded(form);
    }
    form.Form_Load();
    return &form;
}

void Program::unload(Form& form) {
    for (std::unique_ptr<Form>& slot : m_forms) {
        if (slot.get() != &form) {
            continue;
        }
        form.Form_Unload();
        form.setVisible(false);
        if (m_listener != nullptr) {
            m_listener->formUnloaded(form);
        }
        m_unloaded.push_back(std::move(slot));
        return;
    }
}

void Program::reset() {
    m_unloaded.clear();
    for (std::size_t i = 0; i < m_forms.size(); ++i) {
        std::unique_ptr<Form>& slot = m_forms[i];
        if (!slot) {
            continue;
        }
        if (m_listener != nullptr) {
            m_listener->formUnloaded(*slot);
        }
        slot->restoreAsCreated();
        m_spares[i] = std::move(slot);
    }
    m_uv = Universal_Variables{};
}

void Program::destroyUnloaded() {
    if (m_dispatchDepth == 0) {
        m_unloaded.clear();
    }
}

} // namespace korveld
