"""Assertions over a screenshot of the plot, shared by the end-to-end tests."""

from pixels import Figure, changed_pixels, count_near, plot_box, to_pixel


def problems_with(figure: Figure, before, after):
    """What is wrong with `after` as `before` plus `figure`: a marker missing
    its colour, a dot missing where its line runs, or a pixel changed where
    nothing may be drawn. Empty when the picture is right."""
    problems = []
    reach = to_pixel(30, figure.scale) + 1
    for centre, colour in figure.markers:
        if count_near(after, *centre, colour, reach) < 4:
            problems.append(f"no {colour} marker at {centre}")
    missing = [(p, colour) for p, colour in figure.visible_dots() if not count_near(after, *p, colour, 1)]
    if missing:
        problems.append(f"{len(missing)} dots missing, first {missing[:5]}")
    changed = changed_pixels(before, after, plot_box(figure.scale))
    if not changed:
        problems.append("nothing was drawn")
    stray = [p for p in changed if p not in figure.allowed]
    if stray:
        problems.append(f"{len(stray)} pixels changed away from the figure, first "
                        + ", ".join(f"{p}: {before.pixel(*p)} -> {after.pixel(*p)}" for p in stray[:5]))
    return problems
