// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form_controls.h"

#include <QWidget>

namespace platform {

// A window of the program, built from its design (see DesignedForm). There is one instance of each kind per run,
// reached through Forms<T>: using a window that is not loaded loads it (creates it hidden, then runs Form_Load).
class Form : public QWidget {
    Q_OBJECT
public:
    Q_DISABLE_COPY_MOVE(Form)

    // Outer size in twips: the client area plus the design's frame (see twips.h).
    float Width() const;
    float Height() const;

    // A disabled window takes no keyboard or mouse input.
    void SetEnabled(bool enabled) { setEnabled(enabled); }

protected:
    explicit Form(const WindowDesign &design);

    FormControls &controls() { return m_controls; }

    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    // A key that produces a character; the code is the character's.
    virtual void Form_KeyPress(qint16 keyAscii) { Q_UNUSED(keyAscii); }

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    template<class T> friend class Forms;
    friend void unloadForm(Form *form);

    void load(Form **slot);
    void showModeless();

    FormControls m_controls;
    Form **m_slot = nullptr;
    bool m_centred = false;
};

// A window whose controls are reached through `ui`, its struct of typed handles, which the design table fills
// when the window is built.
template<class Handles> class DesignedForm : public Form {
protected:
    explicit DesignedForm(const FormDesign<Handles> &design) : Form(design.window)
    {
        controls().build(*this, design.controls, ui);
    }

    Handles ui{};
};

// Hides and discards a loaded window; when it was the last loaded one, the program ends.
void unloadForm(Form *form);

template<class T> class Forms final {
public:
    static T &get()
    {
        Load();
        return *static_cast<T *>(s_instance);
    }

    static void Load()
    {
        if (s_instance)
            return;
        auto *form = new T;
        form->load(&s_instance);
    }

    // Modeless, without owner: loads the window first if needed and returns at once.
    static void Show() { get().showModeless(); }

    static void Unload()
    {
        if (s_instance)
            unloadForm(s_instance);
    }

private:
    static inline Form *s_instance = nullptr;
};

} // namespace platform
