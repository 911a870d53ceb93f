#pragma once

#include "forms/PickerLayouts.h"

#include <QDate>
#include <QDialog>

// Every date "mm/dd/yy" can write, with its year read as 20yy.
inline const QDate PickerMinDate{2000, 1, 1};
inline const QDate PickerMaxDate{2099, 12, 31};

class frmCal : public QDialog, public CalLayout {
  public:
    frmCal();
    Q_DISABLE_COPY_MOVE(frmCal)

    void Form_Load();
    void Form_Unload() {}
    void DTPicker2_Change();
    void DTPicker2_Click();
    void Command1_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { close(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_loading = false;
    bool m_calendarWatched = false;
};
