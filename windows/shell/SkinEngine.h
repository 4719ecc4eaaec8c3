#pragma once

#include <QString>

class QWidget;

// The main window's skin engine. A skin file is a Qt style sheet; the engine loads it,
// keeps its apply options as plain members, and applies the sheet to a window.
class SkinEngine
{
public:
    // Bits of applyOptions().
    enum ApplyOption {
        ApplyColours = 0x1, // the sheet's colours and shapes reach the window
    };

    // Reads the skin. schemeName picks a colour scheme of a skin that has several; the
    // empty name is the skin's own default, the only scheme a style sheet has. Throws
    // std::runtime_error when the file cannot be read.
    void loadSkin(const QString &path, const QString &schemeName);
    bool isLoaded() const { return m_loaded; }
    QString styleSheet() const { return m_styleSheet; }

    int applyOptions() const { return m_applyOptions; }
    void setApplyOptions(int options) { m_applyOptions = options; }

    // Windows that open later (the preview window, message boxes) take the skin too.
    bool autoApplyNewWindows() const { return m_autoApplyNewWindows; }
    void setAutoApplyNewWindows(bool on) { m_autoApplyNewWindows = on; }

    // The skin is drawn over the neutral Fusion style, so that it looks the same whatever
    // the desktop's own theme is.
    bool neutralBaseStyle() const { return m_neutralBaseStyle; }
    void setNeutralBaseStyle(bool on) { m_neutralBaseStyle = on; }

    // Applies the loaded skin to the window as the options say. Throws std::logic_error
    // when no skin has been loaded.
    void applyWindow(QWidget *window) const;

private:
    QString m_styleSheet;
    bool m_loaded = false;
    int m_applyOptions = 0;
    bool m_autoApplyNewWindows = false;
    bool m_neutralBaseStyle = false;
};
