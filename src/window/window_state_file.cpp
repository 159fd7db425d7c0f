// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window_state_file.h"

#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <array>

namespace {

struct NamedState
{
    Qt::WindowState state = Qt::WindowNoState;
    QLatin1String name;
};
constexpr std::array States{NamedState{Qt::WindowNoState, QLatin1String("normal")},
                            NamedState{Qt::WindowMaximized, QLatin1String("maximized")},
                            NamedState{Qt::WindowFullScreen, QLatin1String("fullscreen")}};
constexpr QLatin1String SizeKey("window/size");
constexpr QLatin1String StateKey("window/state");

// Full screen over maximised, as the window shows them; a minimised window opens normally.
QLatin1String stateName(Qt::WindowStates states)
{
    if (states.testFlag(Qt::WindowFullScreen))
        return States[2].name;
    return states.testFlag(Qt::WindowMaximized) ? States[1].name : States[0].name;
}

QString settingsName()
{
    return QStringLiteral("gorvane");
}

} // namespace

void WindowStateFile::restore(QWidget &window)
{
    m_size = window.size();
    m_state = States[0].name;
    const QSettings settings(settingsName(), settingsName());
    if (!QFileInfo::exists(settings.fileName())) // a first start
        return;
    const QSize size = settings.value(SizeKey).toSize();
    const QString state = settings.value(StateKey).toString();
    const auto *const named = std::ranges::find(States, state, &NamedState::name);
    if (settings.status() != QSettings::NoError || !size.isValid() || named == States.end()) {
        qWarning("gorvane: %s holds no window size; the window opens at its usual size",
                 qPrintable(settings.fileName()));
        return;
    }
    window.resize(size.expandedTo(m_size).boundedTo(window.screen()->availableGeometry().size()));
    window.setWindowState(named->state);
    m_size = window.size();
    m_state = state;
}

void WindowStateFile::save(const QWidget &window) const
{
    const QSize size = window.normalGeometry().size();
    const QLatin1String state = stateName(window.windowState());
    if (size == m_size && state == m_state)
        return;
    QSettings settings(settingsName(), settingsName());
    settings.setValue(SizeKey, size);
    settings.setValue(StateKey, state);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("gorvane: the window's size could not be kept in %s",
                 qPrintable(settings.fileName()));
}
