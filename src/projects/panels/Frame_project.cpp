#include "projects/panels/Frame_project.h"

#include "projects/GroupEditing.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kEnterKey = 13;
// The units of a 12000 x 9000 twip window until the window's rule places the panel.
constexpr double kDefaultColumnUnit = 1800;
constexpr double kDefaultRowUnit = 394;

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Left, top and width in twips; the height in twips, or the control's own when 0.
void place(QWidget* w, double left, double top, double width, double height = 0)
{
    const int h = height > 0 ? pixels(height) : w->sizeHint().height();
    w->setGeometry(pixels(left), pixels(top), pixels(width), h);
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    // The designed buttons are narrow: the caption gets the whole face.
    b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    return b;
}

} // namespace

Frame_project::Frame_project(ProjectPanelHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName(QStringLiteral("Frame_project"));
    Label_pj = new QLabel(QStringLiteral("Project:"), this);
    Label_pj->setObjectName(QStringLiteral("Label_pj"));
    cmd_renpj = makeButton("cmd_renpj", QStringLiteral("Rename"), this);
    cmd_loadpj = makeButton("cmd_loadpj", QStringLiteral("New"), this);
    cmb_project = new QComboBox(this); // a drop-down list: picked, never typed
    cmb_project->setObjectName(QStringLiteral("cmb_project"));
    Label_groupsname = new QLabel(QStringLiteral("Group Names:"), this);
    Label_groupsname->setObjectName(QStringLiteral("Label_groupsname"));
    combogrup = new QListWidget(this);
    combogrup->setObjectName(QStringLiteral("combogrup"));
    combogrup->setToolTip(QStringLiteral("Dblclick to Rename"));
    combogrup->installEventFilter(this);
    Cmd_clear = makeButton("Cmd_clear", QStringLiteral("CLEAR LIST"), this);
    cmd_goset = makeButton("cmd_goset", QStringLiteral("AUTO-ARRANGE"), this);

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

    placeControls(kDefaultColumnUnit, kDefaultRowUnit);
}

void Frame_project::placeControls(double C, double R)
{
    place(Label_pj, 0.05 * C, 0.45 * R, 0.5 * C);
    place(cmd_renpj, 0.32 * C, 0.45 * R, 0.23 * C);
    place(cmd_loadpj, 0.55 * C, 0.45 * R, 0.23 * C);
    place(cmb_project, 0.05 * C, 1.2 * R, 0.75 * C);
    place(Label_groupsname, 0.05 * C, 2.4 * R, 0.75 * C);
    place(combogrup, 0.05 * C, 3.1 * R, 0.75 * C, 5 * R);
    place(Cmd_clear, 0.05 * C, 8.1 * R, 0.75 * C, R);
    place(cmd_goset, 0.05 * C, 9.1 * R, 0.75 * C, R);
    setMinimumSize(pixels(0.86 * C), pixels(10.5 * R));
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
    return QWidget::eventFilter(watched, event);
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
