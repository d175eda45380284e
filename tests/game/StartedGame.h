#pragma once
// The main window as the program starts it, with the game start dialog, and an empty
// folder of pictures in the test home. Errors the program reports are collected.

#include "dialogs/TFormChangeMode.h"
#include "game/TFormPuzzle.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class StartedGame : public testing::Test {
protected:
    // `pictures`: the folder's name below the test home.
    explicit StartedGame(const QString& pictures) : pictures(pictures) {}

    void SetUp() override;
    void TearDown() override;

    const QString pictures;
    QString folder; // the pictures' folder, ending in '/'
    std::unique_ptr<TFormPuzzle> form;
    std::unique_ptr<TFormChangeMode> changeMode;
    QStringList errors;
};
