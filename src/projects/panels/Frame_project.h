#pragma once

#include "projects/GroupCombo.h"
#include "projects/ProjectCommands.h"
#include "projects/ProjectPanelHost.h"

#include <QFrame>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The project and group panel: the project box with "New" and "Rename", the
// group list ("Dblclick to Rename"), "CLEAR LIST" and "AUTO-ARRANGE" with its
// pop-up of block shapes. The window's layout rule places it and its controls
// by name; the designed places are the rule's for a 12000 x 9000 twip window.
class Frame_project : public QFrame {
    Q_OBJECT
public:
    explicit Frame_project(ProjectPanelHost& host, QWidget* parent = nullptr);

    QLabel* Label_pj = nullptr;
    QPushButton* cmd_renpj = nullptr;
    QPushButton* cmd_loadpj = nullptr;
    QComboBox* cmb_project = nullptr;
    QLabel* Label_groupsname = nullptr;
    QListWidget* combogrup = nullptr;
    QPushButton* Cmd_clear = nullptr;
    QPushButton* cmd_goset = nullptr;
    QMenu* mngroup = nullptr; // pop-up only, never on the menu bar
    std::array<QAction*, 24> mnopciongrup{};

    ProjectCombo projects; // what cmb_project holds

    void cmb_project_Click();
    void cmd_loadpj_Click();
    void cmd_renpj_Click();
    void Cmd_clear_Click();
    void cmd_goset_Click();
    void combogrup_DblClick();
    void combogrup_KeyPress(int keyAscii);
    void mnopciongrup_Click(int index);

    // Fills the project box and applies the selected project (start-up).
    void fillProjects(const QString& projectName);
    // Shows the group list without reporting a choice.
    void showGroupList(const GroupComboList& list);
    // The captions of the group-option items; items without one are hidden.
    void showGroupMenu(const QStringList& captions);
    // The group the wells selected on the plate picture go to.
    QString currentGroup() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showProjects();
    void applyFilledProject(const std::optional<QString>& selected);

    ProjectPanelHost& host_;
    GroupComboList groupList_;
};
