#pragma once
// One program-wide instance per window class: created, and its Form_Load run, on first use;
// unloading runs Form_Unload and destroys it, and the next use creates it anew.

#include <QPointer>
#include <QWidget>

template <class Form> QPointer<Form>& DefaultSlot() {
    static QPointer<Form> instance;
    return instance;
}

template <class Form> Form& Default() {
    QPointer<Form>& slot = DefaultSlot<Form>();
    if (!slot) {
        // Stored before Form_Load, which may use its own default instance.
        slot = new Form;
        slot->Form_Load();
    }
    return *slot;
}

template <class Form> bool IsLoaded() {
    return !DefaultSlot<Form>().isNull();
}

template <class Form> bool IsDefault(const Form* form) {
    return DefaultSlot<Form>() == form;
}

template <class Form> void Unload() {
    QPointer<Form>& slot = DefaultSlot<Form>();
    if (!slot) return;
    Form* form = slot;
    form->Form_Unload();
    slot.clear();
    // Hiding returns from a modal exec(); deletion waits until that frame has unwound.
    form->hide();
    form->deleteLater();
}
