// This test executable drives real widgets under the offscreen platform.
bool talmoTestNeedsWidgets()
{
    return true;
}
