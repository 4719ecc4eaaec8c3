#pragma once

#include <QString>

// The main window's skin engine. A skin file is a Qt style sheet; the engine loads it and
// applies it to the whole program: the windows that open later (the preview window,
// message boxes) take it too, drawn over the neutral Fusion style so that it looks the same
// whatever the desktop's own theme is.
class SkinEngine
{
public:
    // Reads the skin. schemeName picks a colour scheme of a skin that has several; the
    // empty name is the skin's own default, the only scheme a style sheet has. Throws
    // std::runtime_error when the file cannot be read.
    void loadSkin(const QString &path, const QString &schemeName);
    bool isLoaded() const { return m_loaded; }

    // Applies the loaded skin to every window. Throws std::logic_error when no
    // skin has been loaded.
    void apply() const;

private:
    QString m_styleSheet;
    bool m_loaded = false;
};
