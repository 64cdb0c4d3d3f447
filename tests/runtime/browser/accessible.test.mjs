// What screen readers and keyboards get of the applets: each kind's role, name and content in
// the accessibility tree, the element's attributes on the box, text from an input method, and
// links the popup blocker refused offered instead of dropped.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { appletPage, canvases, framesUntil, haveChromium, launchBrowser, openKind, openPage, useBench, waitFrames } from './harness.mjs';

// The first node of the accessibility tree with `role` whose name matches `name`.
function findNode(node, role, name) {
  if (!node) return null;
  if (node.role === role && name.test(node.name ?? '')) return node;
  for (const child of node.children ?? []) {
    const found = findNode(child, role, name);
    if (found) return found;
  }
  return null;
}

const roles = (node) => [`${node.role} ${JSON.stringify(node.name ?? '')}`, ...(node.children ?? []).flatMap(roles)];

const FALLBACK = 'Please activate Java to see this applet';

describe('applets for screen readers and keyboards', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  test('every sort of applet tells its role, what it shows and the author\'s fallback text', async () => {
    const links = { number: '2', text1: 'One', link1: 'one.htm', text2: 'Two', link2: 'two.htm' };
    const cases = [
      // [kind, params, folder, nodes wanted: the box first, then its content]
      ['Scrolling', { text: 'Spring sale starts today' }, 'K', [['image', /^Spring sale starts today$/]]],
      ['ScrollUpDown', { text: 'First line#Second line' }, 'K', [['image', /^First line Second line$/]]],
      ['CropImages', { image_number: '3', image1: 'river.jpg', image2: 'capitole.jpg', image3: 'Cascade.jpg' }, 'K', [['image', /^Slide show, 3 images$/]]],
      ['TicTacToe', {}, 'K', [['group', /^Tic-tac-toe, who plays first/]]],
      ['Table', { data_file: 'data.txt', title_mode: '1' }, 'K', [['group', /^Table$/], ['table', /.*/], ['columnheader', /^Visitors$/], ['cell', /^February$/]]],
      ['Graph', { data_file: 'data.dat', title: 'Visits', xlabel_title: 'Month' }, 'K', [['group', /^Visits$/], ['StaticText', /2 curves of \d+ points; X \(Month\) from 0 to/]]],
      ['GuestBook', { email: 'owner@example.com' }, 'GuestBook', [['group', /^Guest book$/], ['StaticText', /^Claire \(2026-11-28\) claire@example.com: Lovely pages!/], ['textbox', /^Name$/], ['textbox', /^your message\.\.\.$/], ['button', /^Send message$/]]],
      ['HexColor', {}, 'K', [['group', /^Color picker$/], ['StaticText', /^HTML code #[0-9A-F]{6}$/]]],
      ['CheckBoxLink', links, 'K', [['group', /^Pages to open$/], ['checkbox', /^One$/], ['checkbox', /^Two$/], ['button', /^Go$/]]],
      ['ListLink', links, 'K', [['group', /^Pages to open$/], ['listbox', /^Pages/], ['option', /^Two$/]]],
      ['Navigation', { ...links, image1: 'button11.gif', image2: 'button12.gif' }, 'K', [['group', /^Navigation$/], ['link', /^one\.htm$/], ['link', /^two\.htm$/]]],
      ['MenuPopUp', { text: 'Our pages', text1: 'Home', link1: 'index.htm' }, 'K', [['group', /^Our pages$/], ['button', /^Our pages$/]]],
      ['MenuFrame', { text1: 'Home', link1: 'index.htm' }, 'K', [['group', /^Menu$/], ['button', /^Menu$/]]],
    ];
    for (const [kind, params, folder, wanted] of cases) {
      const { page } = await openKind(bench, kind, { width: 300, height: 240, params, noJava: FALLBACK }, { folder });
      await waitFrames(page, 3);
      const tree = await page.accessibility.snapshot({ interestingOnly: false });
      const missing = wanted.filter(([role, name]) => !findNode(tree, role, name));
      assert.deepEqual(missing, [], `${kind}: ${roles(tree).join(' | ')}`);
      const [role, name] = wanted[0];
      assert.equal(findNode(tree, role, name).description, FALLBACK, `${kind}: the fallback text describes the box`);
      await page.close();
    }
  });

  test('the shipped no-Java text describes nothing once the applet runs; an author\'s own text does', async () => {
    for (const [noJava, described] of [['Please activate Java...', false], ['\n  Please   activate Java...\n', false], ['Spring sale: see the shop', true]]) {
      const { page } = await openKind(bench, 'Stars', { noJava });
      const description = await page.$eval('.morvane-applet-box', (box) => document.getElementById(box.getAttribute('aria-describedby') ?? '')?.textContent ?? null);
      assert.equal(description, described ? noJava : null, JSON.stringify(noJava));
      await page.close();
    }
  });

  test('a changing name is told aloud only while the visitor works the applet', async () => {
    const params = { image1: 'river.jpg', image_name1: 'River', image2: 'capitole.jpg', image_name2: 'Capitol', pause2: '600' };
    const viewer = await openKind(bench, 'ImageViewer', { width: 300, height: 260, params });
    const status = () => viewer.page.$eval('.morvane-applet-box [role=status]', (s) => s.textContent);
    assert.ok(await framesUntil(viewer.page, () => /^Capitol/.test(document.querySelector('.morvane-applet-box').getAttribute('aria-label'))));
    assert.equal(await status(), '', 'the slide show moves on in silence');
    await viewer.key('ArrowRight');
    assert.match(await status(), /^River \(1 of 2\)/);
    await viewer.page.close();
  });

  test('the element\'s id, class, style, title, align and alt carry to the box; the element keeps no id', async () => {
    const html = appletPage('Stars', { width: 120, height: 60, noJava: FALLBACK })
      .replace('<applet ', '<applet id="sky" class="wide framed" style="border: 3px solid rgb(255, 0, 0)" title="At night" align="right" alt="Night sky" ');
    const { page, problems } = await openPage(bench.browser, bench.server.page('/access/attributes.htm', html));
    await canvases(page);
    const box = await page.evaluate(() => {
      const node = document.getElementById('sky');
      const style = getComputedStyle(node);
      return {
        holdsCanvas: node.querySelector('canvas') !== null,
        classes: [...node.classList].filter((c) => c !== 'morvane-applet-box'),
        border: style.borderTopColor,
        float: style.float,
        title: node.title,
        name: node.getAttribute('aria-label'),
        ids: document.querySelectorAll('[id="sky"]').length,
        appletId: document.querySelector('applet').id,
      };
    });
    assert.deepEqual(box, {
      holdsCanvas: true, classes: ['wide', 'framed'], border: 'rgb(255, 0, 0)', float: 'right',
      title: 'At night', name: 'Night sky, Starry sky', ids: 1, appletId: '',
    });
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('the guest book takes text from an input method and says it opens the mail program', async () => {
    const guest = await openKind(bench, 'GuestBook', { width: 400, height: 350, params: { email: 'owner@example.com' } }, { folder: 'GuestBook' });
    const { page } = guest;
    const mails = [];
    page.on('request', (r) => r.url().startsWith('mailto:') && mails.push(r.url()));
    const cdp = await page.createCDPSession();
    await page.focus('input[aria-label=Name]');
    await cdp.send('Input.insertText', { text: '山田' });
    await page.focus('textarea');
    await cdp.send('Input.insertText', { text: '漢字 and more' });
    await page.keyboard.press('Home');
    await page.keyboard.type('> ');
    await page.focus('.morvane-applet-box button');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('[role=status]')?.textContent.length > 0);
    assert.match(await page.$eval('[role=status]', (s) => s.textContent), /opening your mail program/i);
    assert.equal(mails.length, 1);
    assert.match(new URL(mails[0]).searchParams.get('body'), /^Name: 山田\nE-mail: \nDate: [\d-]+\n> 漢字 and more\n%%\n$/);
    await page.close();
  });

  describe('with the browser\'s popup blocker on', () => {
    let browser;
    before(async () => {
      browser = await launchBrowser({ popups: false });
    });
    after(() => browser?.close());

    test('Go opens the ticked links the browser allows and lists the ones it refused', async () => {
      const params = { number: '3', target: '_blank' };
      for (const i of [1, 2, 3]) Object.assign(params, { [`text${i}`]: `Page ${i}`, [`link${i}`]: `page${i}.htm` });
      bench.server.page('/access/page1.htm', '<!DOCTYPE html><title>one</title>');
      const { page } = await openPage(browser, bench.server.page('/access/blocked.htm', appletPage('CheckBoxLink', { width: 220, height: 90, params })));
      await canvases(page);
      await waitFrames(page, 3);
      const windows = (await browser.pages()).length;
      await page.mouse.click(200, 80); // Go
      await page.waitForSelector('.morvane-blocked a');
      const offered = await page.$$eval('.morvane-blocked a', (list) => list.map((a) => [a.textContent, new URL(a.href).pathname, a.target]));
      assert.deepEqual(offered, [['Page 2', '/access/page2.htm', '_blank'], ['Page 3', '/access/page3.htm', '_blank']]);
      assert.equal((await browser.pages()).length, windows + 1, 'the first one opened');
      await page.close();
    });
  });
});
