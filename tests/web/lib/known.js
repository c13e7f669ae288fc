// Scenarios the page fails today, each with why. They still run, and are reported: Playwright
// fails the suite when one of them starts passing, so this list is emptied as the page or the
// rows catch up; Firefox reports them as to do.
// A page cannot wait for a box to be dismissed (ui/web/web_backend.cpp), so the run ends at once.
const ENDS_AT_ONCE = 'the page takes every window away as the error box comes up, not once it is dismissed';

const KNOWN = {
    'a missing label ends the run': ENDS_AT_ONCE,
    'the Text of a label ends the run': ENDS_AT_ONCE,
    'the Caption of a box ends the run': ENDS_AT_ONCE,
    'a missing window, after showing About, ends the run': ENDS_AT_ONCE,
};

module.exports = { KNOWN };
