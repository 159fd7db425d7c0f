// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window_state_file.h"

#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <array>

namespace {

struct NamedState
{
    Qt::WindowState state = Qt::WindowNoState;
    QLatin1String name;
};
// Full screen over maximised, as the window shows them; a minimised window opens normally.
constexpr std::array States{NamedState{Qt::WindowFullScreen, QLatin1String("fullscreen")},
                            NamedState{Qt::WindowMaximized, QLatin1String("maximized")},
                            NamedState{Qt::WindowNoState, QLatin1String("normal")}};
constexpr QLatin1String FileName("/gorvane/gorvane.conf");
constexpr QLatin1String SizeKey("window/size");
constexpr QLatin1String StateKey("window/state");
// A resize by dragging the frame comes as many steps; the file is written once they stop.
constexpr int SettleMilliseconds = 500;
// Qt's settings wait for ever on a lock that cannot be taken: one left in a folder that cannot be
// written, or a folder in its place. Another run of the game holds it for a moment at most.
constexpr int LockMilliseconds = 200;

QLatin1String stateName(Qt::WindowStates states)
{
    const auto shown = [states](const NamedState &named) {
        return named.state == Qt::WindowNoState || states.testFlag(named.state);
    };
    return std::ranges::find_if(States, shown)->name;
}

// Reading a FIFO would wait for a writer, and writing over a link to a device would replace the
// link; a link to a regular file is read and written through.
bool isRegularOrMissing(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

} // namespace

WindowStateFile::WindowStateFile()
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + FileName)
{
    m_settled.setSingleShot(true);
    m_settled.setInterval(SettleMilliseconds);
    connect(&m_settled, &QTimer::timeout, this, [this] {
        if (m_window != nullptr)
            save(*m_window);
    });
}

void WindowStateFile::restore(QWidget &window)
{
    m_size = window.size();
    m_state = stateName(Qt::WindowNoState);
    m_usable = isRegularOrMissing(m_fileName);
    if (!m_usable)
        qWarning("gorvane: %s is not a regular file; the window's size is neither read nor kept",
                 qPrintable(m_fileName));
    if (m_usable && QFileInfo::exists(m_fileName)) { // not a first start
        const QSettings settings(m_fileName, QSettings::IniFormat);
        const QSize size = settings.value(SizeKey).toSize();
        const QString state = settings.value(StateKey).toString();
        const auto *const named = std::ranges::find(States, state, &NamedState::name);
        if (settings.status() != QSettings::NoError || !size.isValid() || named == States.end()) {
            qWarning("gorvane: %s holds no window size; the window opens at its usual size",
                     qPrintable(m_fileName));
        } else {
            window.resize(
                size.expandedTo(m_size).boundedTo(window.screen()->availableGeometry().size()));
            window.setWindowState(named->state);
            m_size = window.size();
            m_state = state;
        }
    }
    m_window = &window;
    window.installEventFilter(this);
}

bool WindowStateFile::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange)
        m_settled.start();
    return QObject::eventFilter(watched, event);
}

void WindowStateFile::save(const QWidget &window)
{
    m_settled.stop();
    const QSize size = window.normalGeometry().size();
    const QLatin1String state = stateName(window.windowState());
    if (!m_usable || (size == m_size && state == m_state))
        return;
    // A size that could not be kept is not tried again.
    m_size = size;
    m_state = state;
    QLockFile lock(m_fileName + QLatin1String(".lock"));
    bool written = lock.tryLock(LockMilliseconds);
    if (written) {
        lock.unlock(); // the settings take it themselves
        QSettings settings(m_fileName, QSettings::IniFormat);
        settings.setValue(SizeKey, size);
        settings.setValue(StateKey, state);
        settings.sync();
        written = settings.status() == QSettings::NoError;
    }
    if (!written)
        qWarning("gorvane: the window's size could not be kept in %s", qPrintable(m_fileName));
}
