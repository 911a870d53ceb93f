#pragma once

#include "forms/PickerLayouts.h"

#include <QDialog>

class frmTime : public QDialog, public TimeLayout {
  public:
    frmTime();
    Q_DISABLE_COPY_MOVE(frmTime)

    void Form_Load();
    void Form_Unload() {}
    void cmdNow_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void UpdateTime();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { cmdCancel_Click(); }
};
