// SPDX-License-Identifier: GPL-3.0-or-later
// The page's parts beyond the main window, each in a file of its own. Their menu items are added
// in this order, their panels shown in #tools in the order they put them there.

function makeFeatures(context: PageContext): PageFeature[] {
    return [
        new LadderEditing(context),
        new TimingPanel(context),
        new NamesPanel(context),
        new DebugTools(context),
        new CheckFeature(context),
        new OfflineFeature(),
        new TouchFeature(context),
    ];
}
