// The page's colours as a person meets them, read from computed styles inside the page (Chromium
// and Firefox alike): the lowest contrast of any text on screen against what lies behind it, of
// any box or button's boldest edge against what surrounds it, and of the focus ring, by WCAG's
// formula, each { ratio, what }; and how light the page's desktop and its lightest window face
// are (WCAG's relative luminance, 0 black to 1 white). Run it with eval.
function pageContrast() {
    const rgba = (css) => {
        const m = css.match(/rgba?\(([^)]+)\)/);
        if (!m) return null;
        const [r, g, b, a = 1] = m[1].split(/[\s,/]+/).filter(Boolean).map(Number);
        return [r, g, b, a];
    };
    const luminance = ([r, g, b]) => [r, g, b].map((c) => {
        const s = c / 255;
        return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    }).reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
    const ratio = (a, b) => {
        const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
        return (hi + 0.05) / (lo + 0.05);
    };
    const over = (top, under) => top.slice(0, 3).map((c, i) => c * top[3] + under[i] * (1 - top[3]));
    // What shows behind an element: its own background and its ancestors', laid one over another.
    const behind = (el) => {
        const layers = [];
        for (let at = el; at; at = at.parentElement) {
            const bg = rgba(getComputedStyle(at).backgroundColor);
            if (bg && bg[3] > 0) layers.push(bg);
            if (bg && bg[3] === 1) break;
        }
        return layers.reduceRight((under, top) => over(top, under), [255, 255, 255]);
    };
    const shown = (el) => el.checkVisibility({ visibilityProperty: true, opacityProperty: true })
        && el.getClientRects().length > 0 && !el.closest('.live, noscript');
    const name = (el) => el.dataset.name || el.id || el.className || el.tagName;
    const lowest = { text: { ratio: Infinity }, edge: { ratio: Infinity }, focus: { ratio: Infinity } };
    const note = (kind, value, what) => { if (value < lowest[kind].ratio) lowest[kind] = { ratio: +value.toFixed(2), what }; };

    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const el = node.parentElement;
        if (!node.textContent.trim() || !shown(el)) continue;
        note('text', ratio(over(rgba(getComputedStyle(el).color), behind(el)), behind(el)), `"${node.textContent.trim().slice(0, 30)}"`);
    }
    for (const el of document.querySelectorAll('input, button')) {
        if (!shown(el)) continue;
        const style = getComputedStyle(el);
        if (el.value && el.tagName === 'INPUT') note('text', ratio(rgba(style.color), behind(el)), `"${el.value}"`);
        // A bevel's sides differ: the edge is its boldest line (a border side or an inset shadow,
        // or the control's own fill) against the face around it.
        const around = behind(el.parentElement);
        const lines = ['Top', 'Right', 'Bottom', 'Left']
            .filter((side) => parseFloat(style[`border${side}Width`]) > 0 && style[`border${side}Style`] !== 'none')
            .map((side) => rgba(style[`border${side}Color`]));
        for (const shadow of style.boxShadow.matchAll(/rgba?\([^)]+\)/g)) lines.push(rgba(shadow[0]));
        lines.push([...behind(el), 1]);
        note('edge', Math.max(...lines.map((c) => ratio(over(c, around), around))), name(el));
    }
    // The focus, where a key put it, shows as a ring (a button) or a highlight (a menu item).
    const focused = document.activeElement;
    if (focused?.matches('button:focus-visible, [role=menuitem]:focus') && shown(focused)) {
        const style = getComputedStyle(focused);
        note('focus', style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0
            ? ratio(rgba(style.outlineColor), behind(focused))
            : ratio(behind(focused), behind(focused.parentElement.closest('.menu, .window'))), name(focused));
    }
    const faces = [...document.querySelectorAll('.window, #ended, dialog.box')].filter(shown);
    return { ...lowest, desktop: luminance(behind(document.documentElement)), face: Math.max(...faces.map((f) => luminance(behind(f)))) };
}

module.exports = { pageContrast };
