// Applets that sent e-mail from the visitor's computer. A page cannot send mail by itself (only
// a server can), so such an applet says so once; its canvas stays as small as the page made it.

import { P } from '../core/params.js';
import { registerKind } from '../core/applet.js';

registerKind('WhoIsVisitor', {
  drawsSeldom: true,
  params: { recipient: P.text() },
  common: false,
  create(ctx) {
    const to = ctx.params.recipient ? ` to ${ctx.params.recipient}` : '';
    ctx.log(`sends no e-mail${to}: a web page cannot send mail by itself; a form handled by your web server can`);
    return { draw() {} };
  },
});
