// The main window, its board and its score panel on the offscreen platform,
// on a private profile in a temporary directory, with the cues recorded.
#pragma once

#include "app/epigraph.h"
#include "app/main_frame.h"
#include "engine/cue.h"
#include "engine/identifiers.h"
#include "engine/settings.h"
#include "platform/profile.h"
#include "platform/resources.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

struct CRecordedCues : CCuePlayer {
    void PlaySound(unsigned id, bool) override { m_ids.push_back(id); }
    int Count(unsigned id) const {
        return static_cast<int>(std::count(m_ids.begin(), m_ids.end(), id));
    }
    std::vector<unsigned> m_ids;
};

inline QComboBox& NameBox(QWidget& dialog) {
    return *dialog.findChild<QComboBox*>("name");
}

class ViewTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        g_classical = 0;
        g_roundBalls = g_soundOn = g_saveOnExit = 1;
        g_nextEpigraph = kFirstEpigraph;
        g_lastName.clear();
        SetCuePlayer(&m_cues);
    }
    void TearDown() override {
        SetCuePlayer(nullptr);
        g_lastName.clear();
    }

    std::string ProfilePath() const { return (m_dir.path() + "/marbix.INI").toStdString(); }
    CProfile Profile() const { return CProfile(ProfilePath()); }

    // A shown main window; the hall of fame is read from the profile as it
    // stands at this moment.
    std::unique_ptr<CMainFrame> MakeFrame() const {
        auto frame = std::make_unique<CMainFrame>(Profile());
        EXPECT_TRUE(frame->LoadFrame());
        frame->resize(900, 650);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        return frame;
    }

    // Starts a game with a known seed.
    static void Start(CMainFrame& frame, int seed = 12345) {
        frame.Game().Field().SetSeed(seed);
        ASSERT_TRUE(frame.Dispatch(ID_GAME_START));
    }

    static void Click(CMainFrame& frame, int col, int row) {
        QTest::mouseClick(&frame.m_wndField.m_cellButtons[CellIndex(col, row)], Qt::LeftButton);
    }

    // Every cell's ball from a picture of the board: rows top to bottom, one
    // character per cell, '.' empty, '1'-'7' a ball, lower case 'a'-'g' an
    // announced ball (colour 1-7). Previews are dropped unless listed.
    static void Lay(CMainFrame& frame, const std::vector<std::string>& rows) {
        for (int i = 0; i < 81; ++i) {
            const char c = rows[IndexRow(i)][IndexCol(i)];
            const bool announced = c >= 'a' && c <= 'g', ball = c >= '1' && c <= '7';
            frame.m_wndField.m_cellButtons[i].SetBall(announced ? c - 'a' + 1
                                                      : ball    ? c - '0'
                                                                : 0,
                                                      announced ? Preview : Normal);
        }
    }

    // Runs answer on the modal window once the modal loop has opened it.
    static void WhenModal(std::function<void(QWidget&)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no modal window open";
            answer(*modal);
        });
    }

    static QImage Grabbed(QWidget& widget, const QRect& rect = QRect(0, 0, -1, -1)) {
        return widget.grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage Resource(int id) { return LoadPicture(id).convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir m_dir;
    CRecordedCues m_cues;
};
