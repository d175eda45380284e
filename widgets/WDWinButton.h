#pragma once
// The 20 by 20 minimise and close buttons of the self-drawn title bars.

#include "WDSkinButton.h"

// Which bitmap set a TWDWinButton draws.
enum class TButtonType { btMinimize, btClose };

class TWDWinButton : public TWDSkinButton {
    Q_OBJECT

public:
    explicit TWDWinButton(QWidget* parent = nullptr);

    TButtonType ButtonType() const { return buttonType; }
    void SetButtonType(TButtonType value);

    // Enter clicks a Default button, Escape a Cancel button.
    bool Default() const { return isDefault; }
    void SetDefault(bool value) { isDefault = value; }
    bool Cancel() const { return isCancel; }
    void SetCancel(bool value) { isCancel = value; }

    bool DialogKey(int key) override;

protected:
    QSize ForcedSize() const override { return {20, 20}; }
    void paintEvent(QPaintEvent* event) override;

private:
    TButtonType buttonType = TButtonType::btClose;
    bool isDefault = false;
    bool isCancel = false;
};
