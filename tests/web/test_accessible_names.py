"""What a screen reader finds in the page, read from Chromium's own
accessibility tree (DevTools Accessibility.getFullAXTree): an Italian
document titled "Punti e rette", and every control with the role, name and
description it has on the desktop (src/window/FormControls.cpp)."""

import unittest

from browser import Browser

# data-name -> (role, accessible name, description); None where the desktop
# exposes nothing to compare with (a label's name is its caption).
DESKTOP = {
    "Text1(0)": ("textbox", "x1", None),
    "Text2(0)": ("textbox", "y1", None),
    "Text1(1)": ("textbox", "x2", None),
    "Text2(1)": ("textbox", "y2", None),
    "Text1(2)": ("textbox", "x3", None),
    "Text2(2)": ("textbox", "y3", None),
    "Text4": ("textbox", "Fondo scala", None),
    "Command1": ("button", "I punti e le distanze", None),
    "Command2": ("button", " Retta per P1-P2 e  perpend.", None),
    "Command3": ("button", "Retta per P1-P3", None),
    "Command4": ("button", "Retta per P2-P3", None),
    "Label3": (None, None, "Distanza P1-P2"),
    "Label4": (None, None, "Distanza P1-P3"),
    "Label5": (None, None, "Distanza P2-P3"),
    "Label17": (None, None, "Area del triangolo"),
    "Label19": (None, None, "Equazione della retta P1-P2"),
    "Label20": (None, None, "Equazione della retta P1-P3"),
    "Label21": (None, None, "Equazione della retta P2-P3"),
    "Shape1(0)": (None, "Legenda P1-P2: P1", None),
    "Shape2(0)": (None, "Legenda P1-P2: P2", None),
    "Shape1(1)": (None, "Legenda P1-P3: P1", None),
    "Shape2(1)": (None, "Legenda P1-P3: P3", None),
    "Shape1(2)": (None, "Legenda P2-P3: P2", None),
    "Shape2(2)": (None, "Legenda P2-P3: P3", None),
}


def words(text):
    """Chromium collapses every run of blanks in an accessible name (measured:
    " Retta per P1-P2 e  perpend." comes out with one blank before
    "perpend."), and a screen reader speaks the words, not the blanks."""
    return None if text is None else " ".join(text.split())


def data_names(node, found):
    """backendNodeId -> data-name for every element of a DOM.getDocument tree."""
    attributes = node.get("attributes", [])
    for name, value in zip(attributes[::2], attributes[1::2]):
        if name == "data-name":
            found[node["backendNodeId"]] = value
    for child in node.get("children", []) + node.get("shadowRoots", []):
        data_names(child, found)
    return found


def value(node, key):
    return node.get(key, {}).get("value")


def compared(node, wanted):
    """What `node` exposes of what the desktop's `wanted` (role, name,
    description) gives to compare, None elsewhere."""
    role, name, description = wanted
    return (role and value(node, "role"), name and words(value(node, "name")),
            description and value(node, "description"))


class AccessibleNames(unittest.TestCase):
    def test_document_and_controls_have_the_desktops_names(self):
        with Browser("it") as browser:
            browser.open()
            cdp = browser.driver.execute_cdp_cmd
            names = data_names(cdp("DOM.getDocument", {"depth": -1, "pierce": True})["root"], {})
            nodes = cdp("Accessibility.getFullAXTree", {})["nodes"]
            root = next(n for n in nodes if value(n, "role") == "RootWebArea")
            self.assertEqual((value(root, "name"), browser.script("return document.documentElement.lang;")),
                             ("Punti e rette", "it"))
            exposed = {names[n["backendDOMNodeId"]]: n for n in nodes
                       if names.get(n.get("backendDOMNodeId")) in DESKTOP and not n.get("ignored")}
            self.assertEqual({name: compared(exposed[name], wanted) for name, wanted in DESKTOP.items() if name in exposed},
                             {name: (role, words(spoken), description)
                              for name, (role, spoken, description) in DESKTOP.items()})


if __name__ == "__main__":
    unittest.main(verbosity=2)
