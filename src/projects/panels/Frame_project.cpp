#include "projects/panels/Frame_project.h"

#include "projects/GroupEditing.h"
#include "ui/DesignedPlaces.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int kEnterKey = 13;

template <typename W>
W* narrow(W* button)
{
    // The designed buttons are narrow: the caption gets the whole face.
    button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    return button;
}

} // namespace

Frame_project::Frame_project(ProjectPanelHost& host, QWidget* parent) : QFrame(parent), host_(host)
{
    setObjectName(QStringLiteral("Frame_project"));
    setFrameShape(QFrame::Box);
    resize(twipsToPixels(1548), twipsToPixels(4137)); // the rule sets the size: not fixed
    setPointSize(this, 8.25); // the narrow column's captions need the designed size

    Label_pj = designed(new QLabel(QStringLiteral("Project:"), this), "Label_pj", 90, 177, 900, 255);
    cmd_renpj = narrow(designed(new QPushButton(QStringLiteral("Rename"), this), "cmd_renpj", 576, 177, 414, 285));
    cmd_loadpj = narrow(designed(new QPushButton(QStringLiteral("New"), this), "cmd_loadpj", 990, 177, 414, 285));
    // A drop-down list: picked, never typed.
    cmb_project = designed(new QComboBox(this), "cmb_project", 90, 473, 1350, 315);
    Label_groupsname =
        designed(new QLabel(QStringLiteral("Group Names:"), this), "Label_groupsname", 90, 946, 1350, 255);
    combogrup = designed(new QListWidget(this), "combogrup", 90, 1221, 1350, 1970);
    combogrup->setToolTip(QStringLiteral("Dblclick to Rename"));
    combogrup->installEventFilter(this);
    Cmd_clear = narrow(designed(new QPushButton(QStringLiteral("CLEAR LIST"), this), "Cmd_clear", 90, 3191, 1350, 394));
    cmd_goset =
        narrow(designed(new QPushButton(QStringLiteral("AUTO-ARRANGE"), this), "cmd_goset", 90, 3585, 1350, 394));

    mngroup = new QMenu(this);
    mngroup->setObjectName(QStringLiteral("mngroup"));
    for (int i = 0; i < static_cast<int>(mnopciongrup.size()); ++i) {
        QAction* item = mngroup->addAction(QString());
        item->setObjectName(QStringLiteral("mnopciongrup%1").arg(i));
        item->setCheckable(true);
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { mnopciongrup_Click(i); });
        mnopciongrup[i] = item;
    }

    connect(cmb_project, &QComboBox::activated, this, [this] { cmb_project_Click(); });
    connect(cmd_loadpj, &QPushButton::clicked, this, [this] { cmd_loadpj_Click(); });
    connect(cmd_renpj, &QPushButton::clicked, this, [this] { cmd_renpj_Click(); });
    connect(Cmd_clear, &QPushButton::clicked, this, [this] { Cmd_clear_Click(); });
    connect(cmd_goset, &QPushButton::clicked, this, [this] { cmd_goset_Click(); });
    connect(combogrup, &QListWidget::itemDoubleClicked, this, [this] { combogrup_DblClick(); });
}

void Frame_project::showProjects()
{
    const QSignalBlocker quiet(cmb_project);
    cmb_project->clear();
    cmb_project->addItems(projects.entries);
    cmb_project->setCurrentIndex(projects.currentIndex);
    cmb_project->setToolTip(projects.toolTip);
}

void Frame_project::cmb_project_Click()
{
    projects.currentIndex = cmb_project->currentIndex();
    if (projects.currentIndex < 0)
        return;
    ProjectContext context = host_.projectContext();
    const ProjectSelection selection = selectProject(context, projects);
    showProjects();
    host_.projectChosen(selection);
}

void Frame_project::applyFilledProject(const std::optional<QString>& selected)
{
    showProjects();
    // Selecting an entry runs the box's click handling, as a user's pick does.
    if (selected)
        cmb_project_Click();
}

void Frame_project::fillProjects(const QString& projectName)
{
    ProjectContext context = host_.projectContext();
    applyFilledProject(FillProjectCombo(context.folder, context.prompts, projectName, projects));
}

void Frame_project::cmd_loadpj_Click()
{
    ProjectContext context = host_.projectContext();
    applyFilledProject(createProject(context, projects));
}

void Frame_project::cmd_renpj_Click()
{
    projects.currentIndex = cmb_project->currentIndex();
    ProjectContext context = host_.projectContext();
    const std::optional<QString> renamed = renameProject(context, projects);
    if (renamed)
        applyFilledProject(renamed);
}

void Frame_project::Cmd_clear_Click()
{
    ProjectContext context = host_.projectContext();
    const std::optional<GroupComboList> list =
        clearWellGroups(context.groups, context.plateRows, context.plateColumns, context.prompts, context.redrawWell);
    if (list)
        host_.groupListChanged(*list);
}

void Frame_project::cmd_goset_Click()
{
    mngroup->popup(QCursor::pos());
}

void Frame_project::mnopciongrup_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(mnopciongrup.size()))
        return;
    ProjectContext context = host_.projectContext();
    const std::optional<GroupComboList> list = AutoArrangeWellGroups(
        context.groups, context.plateRows, context.plateColumns, mnopciongrup[index]->text(), context.redrawWell);
    if (list)
        host_.groupListChanged(*list);
    for (QAction* item : mnopciongrup)
        item->setChecked(false);
    mnopciongrup[index]->setChecked(true);
}

void Frame_project::combogrup_DblClick()
{
    GroupComboList list = groupList_;
    list.currentIndex = combogrup->currentRow();
    ProjectContext context = host_.projectContext();
    if (renameGroup(context.groups, list, context.prompts))
        host_.groupListChanged(list);
}

void Frame_project::combogrup_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        combogrup_DblClick();
}

bool Frame_project::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == combogrup && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            combogrup_KeyPress(kEnterKey);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void Frame_project::showGroupList(const GroupComboList& list)
{
    groupList_ = list;
    const QSignalBlocker quiet(combogrup);
    combogrup->clear();
    combogrup->addItems(list.entries);
    combogrup->setCurrentRow(list.currentIndex);
}

void Frame_project::showGroupMenu(const QStringList& captions)
{
    for (int i = 0; i < static_cast<int>(mnopciongrup.size()); ++i) {
        const QString caption = captions.value(i);
        mnopciongrup[i]->setVisible(false);
        if (!caption.isEmpty()) {
            mnopciongrup[i]->setText(caption);
            mnopciongrup[i]->setVisible(true);
        }
    }
}

QString Frame_project::currentGroup() const
{
    const QListWidgetItem* item = combogrup->currentItem();
    return item ? item->text() : QString();
}
