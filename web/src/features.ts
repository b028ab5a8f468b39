// SPDX-License-Identifier: GPL-3.0-or-later
// The page's parts beyond the main window, each in a file of its own. Their menu items are added
// in this order, their panels shown in #tools in the order they put them there.

function makeFeatures(context: PageContext): PageFeature[] {
    const check = new CheckFeature(context);
    const course = new CourseFeature(context, check);
    return [
        new LadderEditing(context),
        new TimingPanel(context),
        new NamesPanel(context),
        new DebugTools(context),
        check,
        course,
        new PrintFeature(context, () => course.caption()),
        new OfflineFeature(),
        new TouchFeature(context),
    ];
}
